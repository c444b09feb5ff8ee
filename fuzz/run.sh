#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ (or $VENTIL_FUZZ_BUILD)
# and runs every target for the given seconds, all at once, one process each.
# Seeds come from fuzz/corpus/<target>/, which is left as it is; inputs found
# along the way collect in the build directory. A crash, timeout or broken
# invariant is written into fuzz/corpus/<target>/, where the replay test of the
# normal build picks it up. Exit status 1 when any target failed.
#
#   bash fuzz/run.sh 600      # ten minutes per target
set -euo pipefail
cd "$(dirname "$0")/.."
sekund=${1:?usage: fuzz/run.sh SECONDS_PER_TARGET}
build=${VENTIL_FUZZ_BUILD:-build-fuzz}
cile=(fuzz_cisla fuzz_prikaz)
. scripts/common.sh
bash scripts/install-missing.sh "${baliky_sestaveni[@]}" clang
# libFuzzer and the sanitizers' runtime come with the clang release that
# clang is on this Debian (12: 14, 13: 19), in a package named by its major
# version.
llvm=$(clang --version | sed -n 's/.*clang version \([0-9]\+\)\..*/\1/p')
bash scripts/install-missing.sh "libclang-rt-${llvm:?clang --version names no version}-dev"

[ -f "$build/build.ninja" ] ||
    CC=clang CXX=clang++ konfiguruj "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER=clang++ -DVENTIL_FUZZ=ON
cmake --build "$build" --target "${cile[@]}"

pids=()
for cil in "${cile[@]}"; do
    mkdir -p "$build/korpus/$cil"
    # -max_len: far beyond any number; fuzz_cisla repeats each input to the
    # longest field text itself. -timeout: one input takes well under a
    # millisecond, so 2 s only trips on a hang or a superlinear step.
    "$build/fuzz/$cil" "$build/korpus/$cil" "fuzz/corpus/$cil" \
        -max_total_time="$sekund" -max_len=4096 -timeout=2 -rss_limit_mb=2048 \
        -dict=fuzz/cisla.dict -print_final_stats=1 \
        -artifact_prefix="fuzz/corpus/$cil/" >"$build/$cil.log" 2>&1 &
    pids+=($!)
done

vysledek=0
for i in "${!cile[@]}"; do
    cil=${cile[$i]}
    if wait "${pids[$i]}"; then
        echo "== $cil: no failure"
    else
        echo "== $cil: FAILED, see $build/$cil.log; the input is in fuzz/corpus/$cil/"
        vysledek=1
    fi
    grep -E '^(#[0-9]+.*DONE|stat::|SUMMARY|==[0-9]+==ERROR|.*broken invariant)' "$build/$cil.log" || true
done
exit "$vysledek"
