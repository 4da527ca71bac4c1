// Writes the manual pages and the bash completion from the programs' option
// tables at build time: docgen OUTDIR VERSION DATE.
#include <cstdio>
#include <fstream>
#include <string>

#include "shell/program_docs.h"

namespace {

bool write(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    out.close();
    if (!out) std::fprintf(stderr, "docgen: cannot write %s\n", path.c_str());
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: docgen OUTDIR VERSION DATE\n");
        return 64;
    }
    const std::string dir = argv[1];
    const std::string version = argv[2];
    const std::string date = argv[3];
    bool ok = true;
    for (const zentra::ProgramDoc* doc : {&zentra::zentraDoc(), &zentra::zentraCliDoc()}) {
        ok = write(dir + "/" + doc->name + ".1", zentra::manPage(*doc, version, date)) && ok;
    }
    ok = write(dir + "/zentra-cli.bash", zentra::bashCompletion(zentra::zentraCliDoc())) && ok;
    return ok ? 0 : 73;
}
