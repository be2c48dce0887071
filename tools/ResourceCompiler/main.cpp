// korvane-rc: compiles resource sources into one resource file.
// Usage: korvane-rc -o OUTPUT SOURCE...
#include "Compiler.h"

#include <filesystem>
#include <fstream>
#include <iostream>

namespace {

int Usage() {
    std::cerr << "usage: korvane-rc -o OUTPUT SOURCE...\n";
    return 2;
}

// Written beside the target and renamed over it, so a failed run never leaves half a file.
void WriteAtomically(const std::filesystem::path& target, const std::vector<UInt8>& bytes) {
    std::filesystem::path temporary = target;
    temporary += ".partial";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        if (!out.flush()) throw std::runtime_error(temporary.string() + ": cannot write the file");
    }
    std::filesystem::rename(temporary, target);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4 || std::string(argv[1]) != "-o") return Usage();
    std::filesystem::path output = argv[2];
    std::vector<std::filesystem::path> sources(argv + 3, argv + argc);
    try {
        auto image = rc::CompileFiles(sources);
        WriteAtomically(output, platform::resources::SerializeResourceFile(image));
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
    return 0;
}
