// The resource manifest, for the build-time tools: a line "ID RELATIVE_PATH" a resource; blank
// lines and lines that start with # say nothing.
#pragma once
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

struct ManifestEntry {
    int id;
    std::string path;
};

// False, with a message that names `tool`, when the manifest cannot be read.
inline bool ReadManifest(const char* tool, const std::string& path,
                         std::vector<ManifestEntry>* entries) {
    std::ifstream manifest(path);
    if (!manifest) {
        std::fprintf(stderr, "%s: cannot read %s\n", tool, path.c_str());
        return false;
    }
    std::string line;
    while (std::getline(manifest, line)) {
        std::istringstream fields(line);
        ManifestEntry e{0, {}};
        if (!line.empty() && line[0] != '#' && fields >> e.id >> e.path)
            entries->push_back(e);
    }
    return true;
}
