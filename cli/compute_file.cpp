// `dovazez-cli compute --file E1FILE`: placeholder until the lead's implementation replaces this file.
#include <cstdio>

#include "cli/commands.h"

namespace dz::cli {

int RunComputeFile(const QStringList& args) {
    std::fputs("dovazez-cli compute: --file is not available yet\n", stderr);
    return kExitUsage;
}

}  // namespace dz::cli
