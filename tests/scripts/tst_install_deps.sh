#!/bin/sh
# scripts/install-deps against stand-ins for dpkg-query and apt-get that
# report packages missing or installed and record what apt is asked for:
# each task asks for its own packages, once each, and says why first; an
# unknown task, or nothing missing, asks nothing.
set -u
install_deps=${1:?usage: tst_install_deps.sh path/to/install-deps}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

mkdir "$work/bin"
cat > "$work/bin/dpkg-query" <<'STANDIN'
#!/bin/sh
# Every package missing, unless STANDIN_INSTALLED is set.
[ -n "${STANDIN_INSTALLED:-}" ] && { echo "install ok installed"; exit 0; }
exit 1
STANDIN
cat > "$work/bin/apt-get" <<'STANDIN'
#!/bin/sh
echo "$*" >> "$STANDIN_LOG"
STANDIN
chmod +x "$work/bin/dpkg-query" "$work/bin/apt-get"

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# check NAME EXPECTED_STATUS "EXPECTED APT CALLS" "EXPECTED SAYING" TASK...
check() {
    name=$1 status=$2 calls=$3 saying=$4
    shift 4
    : > "$work/log"
    said=$(PATH="$work/bin:$PATH" STANDIN_LOG="$work/log" "$install_deps" "$@" 2>&1)
    got=$?
    [ "$got" -eq "$status" ] || fail "$name: exit status $got, not $status"
    asked=$(cat "$work/log")
    [ "$asked" = "$calls" ] || fail "$name: apt-get was asked
$asked
and not
$calls"
    [ "$said" = "$saying" ] || fail "$name: said '$said', not '$saying'"
}

run_packages="cmake make g++ qt6-base-dev libgl-dev fonts-ipafont-gothic libqt6sql6-sqlite qt6-translations-l10n libnlopt-dev"
check "running needs the build tools, Qt and the font" 0 \
    "update -qq
install -y -qq --no-install-recommends $run_packages" \
    "install-deps: installing $run_packages, to build and run the program" \
    run

# The tests want all the package step wants, so that step asks for nothing more.
test_packages="clang-14 libclang-rt-14-dev llvm-14 lld-14 xvfb libxcb-xtest0-dev desktop-file-utils dpkg-dev lintian poppler-utils appstream"
check "a package two tasks share is asked for once" 0 \
    "update -qq
install -y -qq --no-install-recommends $run_packages $test_packages" \
    "install-deps: installing $run_packages $test_packages, to build and run the program and to run the tests" \
    run test package

check "an unknown task asks nothing" 2 "" "install-deps: unknown task 'tests' (run, test, bench or package)" run tests

export STANDIN_INSTALLED=1
check "everything installed asks nothing" 0 "" "" run test bench package

[ "$failures" -eq 0 ] && echo "PASS: install-deps"
exit $((failures > 0))
