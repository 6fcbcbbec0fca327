#pragma once
// The lines every program prints after its name and version (--version), as GNU programs do;
// help2man turns them into the man pages' COPYRIGHT section.

namespace dpmr {

inline constexpr const char *kLicenceNotice =
    "Copyright (C) 2026 dpmr-cps developers\n"
    "License GPL-3.0-or-later: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n";

} // namespace dpmr
