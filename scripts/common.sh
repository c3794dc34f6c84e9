# Shared by the scripts in this folder: install what is missing, then build.
# Sourced, not run.

VELQUOR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
VELQUOR_JOBS=${VELQUOR_JOBS:-2}

velquor_as_root() {
  if [ "$(id -u)" -eq 0 ]; then
    "$@"
  elif command -v sudo >/dev/null 2>&1; then
    sudo "$@"
  else
    echo "velquor: need root (or sudo) to run: $*" >&2
    return 1
  fi
}

# velquor_install_packages [extra package list files...]
velquor_install_packages() {
  local lists=("$VELQUOR_ROOT/scripts/packages.txt" "$@")
  local wanted missing=()
  wanted=$(grep -h -v -E '^\s*(#|$)' "${lists[@]}")
  for pkg in $wanted; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "velquor: installing ${missing[*]}"
    velquor_as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    velquor_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

# velquor_build BUILD_DIR [cmake options...]
velquor_build() {
  local dir=$1
  shift
  cmake -S "$VELQUOR_ROOT" -B "$dir" "$@"
  cmake --build "$dir" -j "$VELQUOR_JOBS"
}
