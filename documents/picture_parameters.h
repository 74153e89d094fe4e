// A picture that carries its parameter file: PNG pictures hold the file's
// exact bytes in an iTXt chunk with the keyword "zarvo-parameters" (and a
// copy in a zTXt chunk of that keyword, for readers that skip iTXt), JPEG
// pictures in a comment segment (COM) that starts with "zarvo-parameters"
// and a line feed. The chunk is written before the picture data.
#pragma once

#include <string>

namespace zarvo {

extern const char* const parametersKeyword;  // "zarvo-parameters"

struct CarriedParameters {
    bool picture = false;  // the file is a PNG or JPEG picture
    bool found = false;    // ... and carries a parameter file: `bytes`
    std::string bytes;
    std::string error;  // why no parameters came out of a picture
};

// Looks at the first bytes of a plain file: anything but a PNG or JPEG
// picture gives picture false (and so does a file that cannot be opened).
// A picture is read only up to its picture data, where the parameters are;
// one that carries none there, or is damaged before them, gives found false
// and the reason.
CarriedParameters ReadCarriedParameters(const std::string& path);

}  // namespace zarvo
