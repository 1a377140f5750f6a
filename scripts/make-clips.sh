#!/usr/bin/env bash
# Makes the 23 voice clips of the standard calculator with espeak-ng and sox: Mandarin speech,
# RIFF PCM mono 16-bit 11025 Hz, trimmed of silence and fitted to each clip's length.
# The clips are committed; run this only to remake them (the build never needs espeak-ng).
#
#   scripts/make-clips.sh [OUTPUT_DIR]     (default: src/resources/clips of this checkout)
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out_dir=${1:-$repo/src/resources/clips}

# The tools, with the rest of what the project needs.
"$repo/scripts/install-deps.sh" espeak-ng sox

# name | Han text | espeak-ng words per minute | length in seconds after trimming ("-": as spoken)
# The plain cmn voice reads many Han characters as English; the pinyin voice speaks them as
# Mandarin. A faster speed keeps the words that must shrink a lot natural; tempo does the rest.
clips=(
  "wav_0|零|170|0.36"
  "wav_1|一|140|-"
  "wav_2|二|140|-"
  "wav_3|三|140|-"
  "wav_4|四|140|-"
  "wav_5|五|140|-"
  "wav_6|六|140|-"
  "wav_7|七|140|-"
  "wav_8|八|140|0.27"
  "wav_9|九|140|-"
  "wav_00|零零|170|0.62"
  "wav_jia|加|140|0.28"
  "wav_jian|减|170|0.33"
  "wav_chen|乘|140|0.41"
  "wav_chu|除|140|0.38"
  "wav_dian|点|200|0.21"
  "wav_dengyu|等于|170|0.43"
  "wav_fu|负|140|0.25"
  "wav_kf|开平方|140|1.12"
  "wav_qingchu|清除|200|0.46"
  "wav_quanbu|全部|140|0.85"
  "wav_tuige|退格|170|0.45"
  "wav_yuyin|语音|140|0.55"
)

# A digit is read out once per 400 ms tick and must end before the next one starts.
digit_limit=0.40

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out_dir"

# Trim leading and trailing silence (the reverse trims the end), normalise to -3 dBFS.
trim=(silence 1 0.01 1% reverse silence 1 0.01 1% reverse)

for entry in "${clips[@]}"; do
  IFS='|' read -r name text speed target <<<"$entry"
  espeak-ng -v cmn-latn-pinyin -s "$speed" -w "$work/raw.wav" "$text"
  sox -R "$work/raw.wav" -c 1 -b 16 -e signed-integer "$work/trimmed.wav" gain -n -3 "${trim[@]}"
  effects=()
  if [ "$target" != "-" ]; then
    spoken=$(soxi -D "$work/trimmed.wav")
    # tempo -s stretches speech without changing its pitch; a factor above 1 shortens.
    effects=(tempo -s "$(awk -v a="$spoken" -v b="$target" 'BEGIN { printf "%.4f", a / b }')")
  fi
  sox -R "$work/trimmed.wav" -c 1 -b 16 -e signed-integer "$out_dir/$name.wav" "${effects[@]}" rate 11025
  length=$(soxi -D "$out_dir/$name.wav")
  printf '%-12s %-8s %s s\n' "$name" "$text" "$length"
  if [[ $name =~ ^wav_[0-9]$ ]] && awk -v l="$length" -v m="$digit_limit" 'BEGIN { exit !(l >= m) }'; then
    echo "make-clips: $name lasts $length s, not under the read-out tick of $digit_limit s" >&2
    exit 1
  fi
done
echo "make-clips: $(du -cb "$out_dir"/wav_*.wav | tail -1 | cut -f1) bytes in $out_dir"
