// The switches come from each program's own documentation, as Debian 12 ships them:
// - k3b 22.12: "--data" creates a new data project and adds the files given after it. The
//   project fits itself to the disc inserted; the old --datacd and --datadvd are gone, so
//   CD and DVD cannot be chosen.
// - brasero 3.12: "--data" opens a data project; the files (or URIs) given after the
//   options go into it. The medium is chosen in its burn dialog, not on the command line.
// - xfburn 0.6: "--data-composition" starts a data composition, optionally followed by
//   files and folders. No CD or DVD choice either.
// Each keeps a column per medium all the same, so that a burner which tells the two apart
// only needs its row.
#include "platform/BurnerProfiles.h"

namespace platform {

namespace {

constexpr BurnerProfile profiles[] = {
    {"k3b", "K3b", "--data", "--data"},
    {"brasero", "Brasero", "--data", "--data"},
    {"xfburn", "Xfburn", "--data-composition", "--data-composition"},
};

}  // namespace

std::span<const BurnerProfile> burnerProfiles() { return profiles; }

}  // namespace platform
