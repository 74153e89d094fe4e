#include "text_line_reader.h"

#include <sys/stat.h>

#include <cerrno>
#include <utility>

namespace zarvo {

namespace {
constexpr int kCtrlZ = 26;
constexpr int kCr = '\r';
constexpr int kLf = '\n';
}  // namespace

TextLineReader::~TextLineReader() { close(); }

bool TextLineReader::open(const std::string& path) {
    close();
    file_ = std::fopen(path.c_str(), "rb");
    struct stat st;
    const bool known = file_ && fstat(fileno(file_), &st) == 0;
    if (known && S_ISDIR(st.st_mode)) {
        close();
        errno = EISDIR;
    }
    // A plain file that is too large fails at once, before its first line.
    const bool tooLarge = known && S_ISREG(st.st_mode) && st.st_size > parameterFileByteLimit;
    ended_ = tooLarge;
    failed_ = tooLarge;
    linesRead_ = 0;
    bytesRead_ = 0;
    return file_ != nullptr;
}

void TextLineReader::openText(std::string text) {
    close();
    fromText_ = true;
    text_ = std::move(text);
    textAt_ = 0;
    ended_ = false;
    failed_ = false;
    linesRead_ = 0;
    bytesRead_ = 0;
}

void TextLineReader::close() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
    fromText_ = false;
    text_.clear();
}

int TextLineReader::next() {
    if (ended_ || (!file_ && !fromText_)) return EOF;
    int c = EOF;
    if (fromText_) {
        if (textAt_ < text_.size()) c = static_cast<unsigned char>(text_[textAt_++]);
    } else {
        c = std::getc(file_);
    }
    if (c != EOF && ++bytesRead_ > parameterFileByteLimit) {
        failed_ = true;
        ended_ = true;
        return EOF;
    }
    if (c == EOF || c == kCtrlZ) {
        if (c == EOF && file_ && std::ferror(file_)) failed_ = true;
        ended_ = true;
        return EOF;
    }
    return c;
}

void TextLineReader::putBack(int c) {
    if (fromText_) --textAt_;
    else std::ungetc(c, file_);
    --bytesRead_;
}

std::string TextLineReader::readLineCut(size_t maxChars) {
    ++linesRead_;
    lastLineCut_ = false;
    std::string text;
    for (;;) {
        const int c = next();
        if (c == EOF) break;
        if (c == kCr) {
            const int following = next();
            if (following != kLf && following != EOF) putBack(following);
            break;
        }
        if (c == kLf && ends_ == LineEnds::CrOrLf) break;
        if (text.size() < maxChars) {
            text.push_back(static_cast<char>(c));
        } else {
            lastLineCut_ = true;
        }
    }
    return text;
}

}  // namespace zarvo
