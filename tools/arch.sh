# Sourced by tools/test and tools/run: the two Windows builds of one source
# tree, and whether this machine can run the 32-bit one.
#   build/x86, build/x86-debug   the deliverables (i686-w64-mingw32)
#   build/x64, build/x64-debug   the same code for 64-bit Windows
# Each tree has its own wine-run script and Wine prefix of its architecture.

quandel_toolchain() {   # x86|x64
  case "$1" in
    x86) echo "$root/cmake/toolchain-mingw-i686.cmake" ;;
    x64) echo "$root/cmake/toolchain-mingw-x86_64.cmake" ;;
  esac
}

# quandel_configure TREE ARCH [cmake options...]: warnings are errors.
quandel_configure() {
  local tree=$1 arch=$2
  shift 2
  cmake -S "$root" -B "$tree" -G Ninja -DQUANDEL_WERROR=ON \
        -DCMAKE_TOOLCHAIN_FILE="$(quandel_toolchain "$arch")" "$@" >/dev/null
}

# quandel_build TREE WHAT [targets...]: the build's output goes to
# TREE/build.log; on failure its errors and warnings are printed.
quandel_build() {
  local tree=$1 what=$2
  shift 2
  local targets=()
  [ $# -gt 0 ] && targets=(--target "$@")
  if ! cmake --build "$tree" -j "$(nproc)" "${targets[@]}" >"$tree/build.log" 2>&1; then
    echo "$what: the build failed ($tree/build.log):" >&2
    grep -E -A3 'error|warning|FAILED' "$tree/build.log" | head -80 >&2
    return 1
  fi
}

# quandel_x86_runs TREE: 0 when a 32-bit Windows program runs on this
# machine, found out by running one (the command processor of Wine's 32-bit
# prefix of the configured x86 TREE). Otherwise 1, with the reason in
# quandel_x86_reason.
quandel_x86_runs() {
  local out status
  out=$(timeout 300 "$1/wine-run" cmd.exe /c exit 0 </dev/null 2>&1)
  status=$?
  [ $status -eq 0 ] && return 0
  if grep -qi 'exec format error' <<<"$out"; then
    quandel_x86_reason="exec format error"
  elif [ $status -eq 124 ]; then
    quandel_x86_reason="a 32-bit program did not end within 300 s"
  else
    quandel_x86_reason="a 32-bit program ended with status $status: $(tail -1 <<<"$out")"
  fi
  return 1
}

# quandel_pick_arch TOOL CHOICE: the one build a tool runs, in quandel_arch.
# CHOICE x64 takes the 64-bit build; x86 the 32-bit one, or fails at once
# where it cannot run; empty the 32-bit one where it runs, else the 64-bit
# one. Says which, and why, in one line.
quandel_pick_arch() {
  local tool=$1 choice=$2
  if [ "$choice" = x64 ]; then
    quandel_arch=x64
    echo "$tool: x64 chosen: the 64-bit build of the same code"
    return 0
  fi
  quandel_configure "$base/x86" x86 || return 1
  if quandel_x86_runs "$base/x86"; then
    quandel_arch=x86
    echo "$tool: the 32-bit build, as it ships"
  elif [ "$choice" = x86 ]; then
    echo "$tool: this machine cannot run 32-bit programs ($quandel_x86_reason): x86 cannot run here" >&2
    return 1
  else
    quandel_arch=x64
    echo "$tool: this machine cannot run 32-bit programs ($quandel_x86_reason): this is the 64-bit build of the same code"
  fi
}
