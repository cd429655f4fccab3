// quillmark-cli: command-line access to contest data files for scripting and support.
#include <cstdio>
#include <cstring>

namespace {

int Usage() {
    std::fputs("usage: quillmark-cli <command> [options]\n", stderr);
    return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        return Usage();
    }
    if (std::strcmp(argv[1], "--help") == 0) {
        Usage();
        return 0;
    }
    return Usage();
}
