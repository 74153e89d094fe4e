// Reads a text file line by line the way parameter files are read: a line
// ends at CR, and one LF right after that CR belongs to the line end; an LF
// on its own is ordinary text in a fractal parameter file and a line end in
// an attractor parameter file; the character 26 (Ctrl-Z) ends the file.
// Beyond the end every read gives an empty line. No parameter file comes
// near parameterFileByteLimit bytes: a larger file, or a stream that goes
// on past it (a device, a pipe), fails to read instead of filling the
// memory or never ending.
#pragma once

#include <cstdio>
#include <string>

namespace zarvo {

constexpr long long parameterFileByteLimit = 1 << 20;

enum class LineEnds {
    Cr,      // CR or CR LF; a lone LF is text
    CrOrLf,  // CR, CR LF or a lone LF
};

class TextLineReader {
public:
    explicit TextLineReader(LineEnds ends = LineEnds::Cr) : ends_(ends) {}
    ~TextLineReader();
    TextLineReader(const TextLineReader&) = delete;
    TextLineReader& operator=(const TextLineReader&) = delete;

    // Opens the file for reading; false (with errno set) when it cannot.
    bool open(const std::string& path);
    // Reads `text` as the bytes of a file (a parameter file carried inside
    // a picture).
    void openText(std::string text);
    void close();

    // At most maxChars characters of the next line, without its line end
    // (npos: the whole line); the rest of the line is skipped (lastLineCut()
    // tells whether anything was).
    std::string readLineCut(size_t maxChars);
    bool lastLineCut() const { return lastLineCut_; }

    // Lines taken so far (1 after the first read), counting reads past the end.
    int linesRead() const { return linesRead_; }
    bool atEnd() const { return ended_; }
    // True when reading failed for a reason other than the end of the file
    // (a read error, or more than parameterFileByteLimit bytes).
    bool failed() const { return failed_; }

private:
    int next();  // next character, or EOF at the end (Ctrl-Z included)
    void putBack(int c);

    const LineEnds ends_;
    std::FILE* file_ = nullptr;
    bool fromText_ = false;  // reading text_ rather than file_
    std::string text_;
    size_t textAt_ = 0;
    bool ended_ = false;
    bool failed_ = false;
    bool lastLineCut_ = false;
    int linesRead_ = 0;
    long long bytesRead_ = 0;
};

}  // namespace zarvo
