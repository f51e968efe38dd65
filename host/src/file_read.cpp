#include "file_read.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "zxhost/error.h"

namespace zxhost {

std::string readWholeFile(const std::string& path) {
    // A directory opens as a stream on some systems and fails only on the first read, with
    // the library's own words; it is named here instead.
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        throw Error(path + ": cannot read the file: it is a directory");
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw Error(path + ": cannot read the file");
    }
    std::ostringstream content;
    try {
        content << file.rdbuf();
    } catch (const std::exception&) {
        throw Error(path + ": cannot read the file");
    }
    if (file.bad()) {
        throw Error(path + ": cannot read the file");
    }
    return content.str();
}

} // namespace zxhost
