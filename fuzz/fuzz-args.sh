# libFuzzer arguments of each target, for the fuzz campaign and the test
# command: the longest input, and the dictionary when the target has one.
#
# The longest input bounds the lines an input holds: every line costs a
# parse, a write and a parse again, and the fuzzer otherwise grows inputs to
# hundreds of lines for the loop counters alone. A settings line is about
# 150 bytes, so 256 bytes hold a whole line and another, or many short ones;
# a whole options file is about 700 bytes.
kiv_fuzz_args() { # fuzzer path
  local fuzzer=$1 name dict
  name=$(basename "$fuzzer")
  dict="$(dirname "${BASH_SOURCE[0]}")/$name.dict"
  case $name in
  fuzz_settings | fuzz_playlist) echo "-max_len=256" ;;
  *) echo "-max_len=1024" ;;
  esac
  if [ -f "$dict" ]; then
    echo "-dict=$dict"
  fi
  echo "-timeout=10 -rss_limit_mb=2048"
}
