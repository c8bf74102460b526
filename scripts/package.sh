#!/usr/bin/env bash
# Builds the Debian package quadena_<version>+<release>_<arch>.deb for the release this machine
# runs, in the project folder, from a clean Release build in build-package/ with Debian's
# hardening and build flags; prints the package's path last.
#   scripts/package.sh [--keep-build] [--into DIR] [--with-tests]
# --keep-build reuses build-package/ when it is there instead of starting afresh; --into DIR
# builds in DIR/build-package and puts the package in DIR instead of the project folder;
# --with-tests also builds the tests and benchmarks there, with the package's own flags, so
# that they can run on the very build the package comes from (the package is the same).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
into="$root"
keep=0
tests=OFF
usage() { echo "usage: $0 [--keep-build] [--into DIR] [--with-tests]" >&2; exit 2; }
while (($#)); do
    case "$1" in
    --keep-build) keep=1 ;;
    --with-tests) tests=ON ;;
    --into) (($# > 1)) && [[ -d "$2" ]] || usage; into="$(cd "$2" && pwd)"; shift ;;
    *) usage ;;
    esac
    shift
done
build="$into/build-package"
"$root/scripts/setup.sh" --package --no-build

# Built with CMake's default generator (Unix Makefiles), which the tests thereby check too;
# a build folder another generator made is started afresh.
((keep)) && grep -qs 'CMAKE_GENERATOR:INTERNAL=Unix Makefiles' "$build/CMakeCache.txt" || rm -rf "$build"
# Timestamps inside the package come from the changelog's latest entry, so that the same
# sources give the same package.
stamp="$(sed -n 's/^ -- .*>  //p' "$root/packaging/changelog" | head -n 1)"
SOURCE_DATE_EPOCH="$(date -d "$stamp" +%s)"
# Debian's build flags with every hardening feature; no debugging information, which the
# stripped package would not ship anyway. CMake has no CPPFLAGS: they go with the compiler's.
export DEB_BUILD_MAINT_OPTIONS="hardening=+all" DEB_CXXFLAGS_MAINT_STRIP="-g"
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export SOURCE_DATE_EPOCH CXXFLAGS LDFLAGS
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DQUADENA_TESTS=$tests \
    -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build "$build" -j2
(cd "$build" && cpack -G DEB >/dev/null)
deb="$(cd "$build" && ls quadena_*.deb)"
mv "$build/$deb" "$into/$deb"
echo "$into/$deb"
