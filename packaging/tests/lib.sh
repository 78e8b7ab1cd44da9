# Shared helpers of the packaging checks: clear failures and a scratch directory that goes away.

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

need_tools() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/deps.sh installs it)"
  done
}

scratch="$(mktemp -d "${TMPDIR:-/tmp}/tumbrix-package.XXXXXX")"
trap 'rm -rf "$scratch"' EXIT

# The version of the newest release the metainfo lists, which must be the one being packaged.
metainfo_release() {
  sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$1" | head -n 1
}
