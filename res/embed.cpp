// Build-time tool: turns the resource manifest into a C++ table of byte arrays.
// Usage: embed MANIFEST SOURCE_DIR OUTPUT.cpp [APART_PREFIX APART_DIR] ; each manifest line is
// "ID RELATIVE_PATH". Resources whose path begins with APART_PREFIX are left out of the table and
// copied to APART_DIR as ID.EXT instead (the page fetches its sounds once it is shown).
#include "res/manifest.h"
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 4 && argc != 6) {
        std::fprintf(stderr,
                     "usage: embed MANIFEST SOURCE_DIR OUTPUT.cpp [APART_PREFIX APART_DIR]\n");
        return 2;
    }
    std::vector<ManifestEntry> manifest;
    if (!ReadManifest("embed", argv[1], &manifest))
        return 1;
    std::ostringstream out;
    out << "// Generated from the resource manifest. Do not edit.\n"
           "#include \"res/resources.h\"\n\nnamespace {\n";
    std::vector<std::pair<int, size_t>> entries;
    for (const auto& [id, path] : manifest) {
        std::ifstream in(std::string(argv[2]) + "/" + path, std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "embed: cannot read %s\n", path.c_str());
            return 1;
        }
        std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)),
                                         std::istreambuf_iterator<char>());
        if (argc == 6 && path.starts_with(argv[4])) {
            const size_t dot = path.find_last_of('.');
            const std::string name = std::string(argv[5]) + "/" + std::to_string(id) +
                                     (dot == std::string::npos ? "" : path.substr(dot));
            std::ofstream apart(name, std::ios::binary);
            apart.write(reinterpret_cast<const char*>(bytes.data()),
                        static_cast<std::streamsize>(bytes.size()));
            if (!apart) {
                std::fprintf(stderr, "embed: cannot write %s\n", name.c_str());
                return 1;
            }
            continue;
        }
        out << "const unsigned char r" << id << "[] = {";
        for (size_t i = 0; i < bytes.size(); i++)
            out << (i % 20 == 0 ? "\n" : "") << static_cast<int>(bytes[i]) << ",";
        if (bytes.empty())
            out << "0";
        out << "\n};\n";
        entries.emplace_back(id, bytes.size());
    }
    out << "} // namespace\n\nbool FindResourceData(int32_t id, ResourceData* out) {\n"
           "    switch (id) {\n";
    for (const auto& [id, size] : entries)
        out << "    case " << id << ": *out = {r" << id << ", " << size << "}; return true;\n";
    out << "    default: return false;\n    }\n}\n";
    std::ofstream result(argv[3], std::ios::binary);
    result << out.str();
    return result ? 0 : 1;
}
