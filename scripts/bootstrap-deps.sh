#!/usr/bin/env bash
# Fetches qpdf, libjpeg-turbo and SQLite from Debian's source packages (with Debian's
# patches applied) and cross-builds them as static MinGW-w64 libraries into a cache
# outside the clone. The cache folder is keyed by the versions and the recipe revision,
# so a finished build is reused by every later build and CI run on this machine; a lock file
# beside it keeps two builds from filling it at once.
#
# Prints the prefix folder on its last line of standard output.
set -euo pipefail

QPDF_VERSION=11.3.0
JPEG_VERSION=2.1.5
SQLITE_VERSION=3.40.1
RECIPE=1

here=$(cd "$(dirname "$0")/.." && pwd)
zlib_version=$(dpkg-query -W -f '${Version}' libz-mingw-w64-dev 2>/dev/null || echo none)
cache_root=${SEALWICK_DEPS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/sealwick-deps}
key="qpdf-$QPDF_VERSION.jpeg-$JPEG_VERSION.sqlite-$SQLITE_VERSION.zlib-${zlib_version//[:~]/_}.r$RECIPE"
prefix="$cache_root/$key"

if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi

log() { echo "bootstrap: $*" >&2; }

# Two builds at once (two clones, or make in two terminals) would fill the same folder: the
# second waits for the first, then finds the cache ready. The lock goes with this process.
mkdir -p "$cache_root"
exec {lock_fd}> "$cache_root/$key.lock"
if ! flock -n "$lock_fd"; then
  log "another build is filling $prefix; waiting for it"
  flock "$lock_fd"
fi
if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi
jobs=$(nproc)
work="$cache_root/work-$key"
rm -rf "$work" "$prefix"
mkdir -p "$work" "$prefix"

# A private apt configuration with source entries derived from the machine's own binary
# entries, so the system's apt state is left alone and no host name is written here.
apt_dir="$work/apt"
mkdir -p "$apt_dir/parts" "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
found=0
for f in /etc/apt/sources.list.d/*.sources; do
  [ -f "$f" ] || continue
  sed 's/^Types:.*$/Types: deb-src/' "$f" > "$apt_dir/parts/$(basename "$f")"
  found=1
done
if [ -f /etc/apt/sources.list ]; then
  grep -E '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' > "$apt_dir/parts/legacy.list" || true
  [ -s "$apt_dir/parts/legacy.list" ] && found=1
fi
[ "$found" = 1 ] || { log "no apt sources found under /etc/apt"; exit 1; }
APT=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$apt_dir/parts"
     -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache"
     -o APT::Sandbox::User=root -qq)
log "reading Debian's source index"
apt-get "${APT[@]}" update >&2

src="$work/src"
mkdir -p "$src"
(cd "$src" && apt-get "${APT[@]}" source qpdf libjpeg-turbo sqlite3 >&2)
check_dir() { [ -d "$src/$1" ] || { log "expected $1 from Debian's sources; found: $(ls "$src")"; exit 1; }; }
check_dir "qpdf-$QPDF_VERSION"
check_dir "libjpeg-turbo-$JPEG_VERSION"
check_dir "sqlite3-$SQLITE_VERSION"
ls "$src"/*.dsc | xargs -n1 basename > "$prefix/SOURCES"

toolchain="$here/cmake/mingw-w64.cmake"
export PKG_CONFIG_LIBDIR="$prefix/lib/pkgconfig"   # never the host's zlib.pc
export PKG_CONFIG_PATH=

# SQLite's amalgamation is made by a single-threaded native script: it runs beside the other
# two builds instead of after them.
build_sqlite() {
  log "building SQLite $SQLITE_VERSION"
  mkdir -p "$work/b-sqlite" "$prefix/include" "$prefix/lib"
  (cd "$work/b-sqlite" && "$src/sqlite3-$SQLITE_VERSION/configure" --disable-tcl >/dev/null &&
    make -s sqlite3.c >&2)
  cp "$work/b-sqlite/sqlite3.h" "$work/b-sqlite/sqlite3ext.h" "$prefix/include/"
  x86_64-w64-mingw32-gcc-posix -O2 -DSQLITE_THREADSAFE=1 -DSQLITE_OMIT_LOAD_EXTENSION \
    -c "$work/b-sqlite/sqlite3.c" -o "$work/b-sqlite/sqlite3.o"
  x86_64-w64-mingw32-ar rcs "$prefix/lib/libsqlite3.a" "$work/b-sqlite/sqlite3.o"
}
build_sqlite &
sqlite_pid=$!

log "building libjpeg-turbo $JPEG_VERSION"
cmake -S "$src/libjpeg-turbo-$JPEG_VERSION" -B "$work/b-jpeg" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DENABLE_SHARED=OFF \
  -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF -DSEALWICK_DEPS_PREFIX="$prefix" >&2
cmake --build "$work/b-jpeg" -j "$jobs" >&2
cmake --install "$work/b-jpeg" >&2

log "building qpdf $QPDF_VERSION"
cmake -S "$src/qpdf-$QPDF_VERSION" -B "$work/b-qpdf" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DSEALWICK_DEPS_PREFIX="$prefix" \
  -DBUILD_SHARED_LIBS=OFF -DBUILD_STATIC_LIBS=ON -DUSE_IMPLICIT_CRYPTO=OFF -DREQUIRE_CRYPTO_NATIVE=ON \
  -DBUILD_DOC=OFF -DINSTALL_EXAMPLES=OFF -DCMAKE_CXX_FLAGS="-include cstdint" >&2
cmake --build "$work/b-qpdf" -j "$jobs" --target libqpdf >&2
cmake --install "$work/b-qpdf" --component lib >&2
cmake --install "$work/b-qpdf" --component dev >&2
[ -f "$prefix/lib/libqpdf.a" ] || { log "qpdf did not install libqpdf.a"; exit 1; }

wait "$sqlite_pid" || { log "SQLite did not build"; exit 1; }
[ -f "$prefix/lib/libsqlite3.a" ] || { log "SQLite did not install libsqlite3.a"; exit 1; }

rm -rf "$work"
touch "$prefix/.complete"
log "dependencies ready in $prefix"
echo "$prefix"
