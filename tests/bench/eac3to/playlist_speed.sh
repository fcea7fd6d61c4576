#!/bin/bash
# Demuxing a Blu-ray playlist with the eac3to stand-in against a plain
# "ffmpeg -c copy" of the same streams from the stream the clips were cut
# from, timed in turns in one run. Prints both medians and the speed ratio
# (plain time / stand-in time: 1 means as fast, above 0.9 is the goal).
#
#   tests/bench/eac3to/playlist_speed.sh [build folder] [rounds]
set -euo pipefail

build=$(cd "${1:-build}" && pwd)
rounds=${2:-5}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

{ read -r disc; read -r stream; } < <("$build/tests/bench/eac3to/eac3to_bench_disc" "$scratch/media")
out=$scratch/out
mkdir -p "$out"

standin() {
  "$build/bin/eac3to/eac3to" "$disc" "1)" 2: "$out/v.h264" 3: "$out/a.ac3" 4: "$out/s.sup" \
    -log="$out/log.txt" > /dev/null
}
plain() {
  ffmpeg -nostdin -v error -y -i "$stream" -map 0:v -c copy -f h264 "$out/v.h264" \
    -map 0:a -c copy -f ac3 "$out/a.ac3" -map 0:s -c copy -f sup "$out/s.sup"
}
. "$(dirname "$0")/../timing.sh"

# Both once first: the page cache warms, and the stand-in must write every
# picture the plain copy writes.
plain
frames=$(ffprobe -v error -count_packets -show_entries stream=nb_read_packets -of csv=p=0 "$out/v.h264")
standin
grep -q "^Video track 2 contains $frames frames.$" "$out/log.txt" || {
  echo "the stand-in did not write the $frames pictures of the plain copy:" >&2
  cat "$out/log.txt" >&2
  exit 1
}
standin_times=() plain_times=()
for ((round = 1; round <= rounds; round++)); do
  standin_times+=("$(seconds standin)")
  plain_times+=("$(seconds plain)")
  echo "round $round: stand-in ${standin_times[-1]} s, plain ffmpeg ${plain_times[-1]} s"
done
a=$(printf '%s\n' "${standin_times[@]}" | median)
b=$(printf '%s\n' "${plain_times[@]}" | median)
echo "median wall time: stand-in $a s, plain ffmpeg $b s"
echo "speed of the stand-in / speed of plain ffmpeg: $(echo "scale=3; $b / $a" | bc)"
