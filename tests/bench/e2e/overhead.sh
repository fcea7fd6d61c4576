#!/bin/bash
# The program's own cost on the Matroska road (an .m2ts to "MKV" at CRF 20
# with the audio in FLAC): "quandrell --run" of the queued job beside the
# same tool command lines run one after another by a plain shell script,
# timed in turns in the same run. Prints the medians and their ratio.
#
#   tests/bench/e2e/overhead.sh [build folder] [rounds]
#
# The build folder (default: build) must hold the program, the stand-ins
# and e2e_queue_road. x264 and mkvmerge come from the PATH, as for a user.
set -euo pipefail

build=$(cd "${1:-build}" && pwd)
rounds=${2:-5}
bin=$build/bin
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# The program keeps its store, temporary files and output under these.
export HOME=$scratch/home XDG_CONFIG_HOME=$scratch/config XDG_CACHE_HOME=$scratch/cache
unset QUANDRELL_TOOLS_DIR
mkdir -p "$HOME"
store=$XDG_CONFIG_HOME/Quandrell/registry.db
temp=$XDG_CACHE_HOME/Quandrell

# 1. The job, queued as a user queues it; the store with it pending is kept.
output=$("$build/tests/bench/e2e/e2e_queue_road" "$scratch/Road.Film.2012.1080p.BluRay.m2ts")
cp "$store" "$scratch/pending.db"

# 2. One run through wrappers that log each tool's command line and start
#    the tool the program finds without them (PATH first, then the program
#    folder): the plain script runs exactly those tools, at the priority
#    the program gave them (x264 runs at the lowest, nice 19).
wrappers=$scratch/wrappers
tools=$scratch/tools.sh
echo 'set -e' > "$tools"
base_nice=$(nice)
wrap() {  # <folder> <file> <name on the PATH>
  local real
  real=$(command -v "$3" || echo "$bin/$1/$2")
  mkdir -p "$wrappers/$1"
  cat > "$wrappers/$1/$2" <<WRAPPER
#!/bin/bash
lowered=\$(( \$(nice) - $base_nice ))
{ (( lowered > 0 )) && printf 'nice -n %d ' "\$lowered"; printf '%q ' "$real" "\$@"; echo; } >> "$tools"
exec "$real" "\$@"
WRAPPER
  chmod +x "$wrappers/$1/$2"
}
wrap eac3to eac3to eac3to
wrap x264 x264 x264
wrap mkvtoolnix mkvmerge mkvmerge
wrap tsmuxer tsMuxeR tsMuxeR

QUANDRELL_TOOLS_DIR=$wrappers "$bin/quandrell" --run 2> "$scratch/capture.log" || {
  cat "$scratch/capture.log" >&2
  exit 1
}
echo "Tool command lines the program ran:"
tail -n +2 "$tools"

# Each timed run starts from the same state: the job pending, no output,
# no temporary files.
reset() {
  cp "$scratch/pending.db" "$store"
  rm -f "$output"
  rm -rf "$temp"
  mkdir -p "$temp"
}
. "$(dirname "$0")/../timing.sh"

program_times=() script_times=()
for ((round = 1; round <= rounds; round++)); do
  reset
  program_times+=("$(seconds "$bin/quandrell" --run)")
  [[ -f $output ]] || { echo "the program wrote no $output" >&2; exit 1; }
  reset
  script_times+=("$(seconds bash "$tools")")
  [[ -f $output ]] || { echo "the plain script wrote no $output" >&2; exit 1; }
  echo "round $round: program ${program_times[-1]} s, plain script ${script_times[-1]} s"
done

program=$(printf '%s\n' "${program_times[@]}" | median)
script=$(printf '%s\n' "${script_times[@]}" | median)
echo "median wall time: program $program s, plain script $script s"
echo "program / plain script: $(echo "scale=4; $program / $script" | bc)"
echo "overhead: $(echo "scale=2; ($program - $script) * 100 / $script" | bc) %"
