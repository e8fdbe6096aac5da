// vertanum_factorygen OUTDIR          writes every factory resource as OUTDIR/NAME.bin
// vertanum_factorygen --check DIR     exits 1 unless DIR holds exactly what it would write
// vertanum_factorygen --family NAME OUTDIR   writes only one family's resources (krv, qv710,
//                                            qirel, velkar, dorimen, frastoven)
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <set>
#include <string>

#include "families/families.hpp"

using namespace factorygen;

namespace {

struct Family {
    const char* name;
    std::vector<ResourceSpec> (*resources)();
};

const Family kFamilies[] = {
    {"krv", KrvResources},       {"qv710", Qv710Resources},     {"qirel", QirelResources},
    {"velkar", VelkarResources}, {"dorimen", DorimenResources}, {"frastoven", FrastovenResources},
};

std::vector<ResourceSpec> Resources(const std::string& only) {
    std::vector<ResourceSpec> all;
    for (const auto& family : kFamilies) {
        if (!only.empty() && only != family.name) continue;
        auto specs = family.resources();
        all.insert(all.end(), specs.begin(), specs.end());
    }
    return all;
}

}  // namespace

int main(int argc, char** argv) {
    const bool check = argc == 3 && std::string(argv[1]) == "--check";
    const bool one_family = argc == 4 && std::string(argv[1]) == "--family";
    if (!(argc == 2 || check || one_family)) {
        std::cerr << "usage: vertanum_factorygen OUTDIR | --check DIR | --family NAME OUTDIR\n";
        return 2;
    }
    const std::string only = one_family ? argv[2] : "";
    const std::string dir = argv[argc - 1];
    int differences = 0;
    std::set<std::string> names;
    try {
        for (const auto& spec : Resources(only)) {
            if (!names.insert(spec.name).second) {
                std::cerr << spec.name << ": listed twice\n";
                return 1;
            }
            const auto bytes = Build(spec);
            const std::string path = dir + "/" + spec.name + ".bin";
            if (check) {
                std::ifstream in(path, std::ios::binary);
                std::string old((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
                if (!in.good() && old.empty() && !bytes.empty()) {
                    std::cerr << path << ": missing\n";
                    ++differences;
                } else if (old != std::string(bytes.begin(), bytes.end())) {
                    std::cerr << path << ": differs from its table\n";
                    ++differences;
                }
            } else {
                std::ofstream out(path, std::ios::binary | std::ios::trunc);
                out.write(reinterpret_cast<const char*>(bytes.data()),
                          static_cast<std::streamsize>(bytes.size()));
                if (!out) {
                    std::cerr << path << ": cannot write\n";
                    return 1;
                }
            }
        }
    } catch (const std::exception& e) {
        std::cerr << "vertanum_factorygen: " << e.what() << "\n";
        return 1;
    }
    if (check) {
        // A file no table makes would be embedded all the same; it must not linger.
        for (const auto& entry : std::filesystem::directory_iterator(dir)) {
            const auto path = entry.path();
            if (path.extension() == ".bin" && !names.count(path.stem().string())) {
                std::cerr << path.string() << ": no table makes it\n";
                ++differences;
            }
        }
        std::cout << names.size() << " factory resources checked, " << differences << " differ\n";
    }
    return differences == 0 ? 0 : 1;
}
