#!/usr/bin/env bash
# The install-list check must fail when a package the build needs is taken off the list:
# each package named here is dropped from a copy of the install script in turn.
set -euo pipefail
build_dir=${1:?build folder}
root=$(cd "$(dirname "$0")/../.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for pkg in libqt6opengl6-dev qt6-charts-dev; do
  sed -E "s/(^|[[:space:]])$pkg([[:space:]]|\$)/\1\2/" "$root/scripts/install-deps.sh" > "$scratch/install-deps.sh"
  if grep -qw -- "$pkg" "$scratch/install-deps.sh"; then echo "could not drop $pkg"; exit 1; fi
  if bash "$root/scripts/check-install-list.sh" "$build_dir" "$scratch/install-deps.sh" >/dev/null; then
    echo "the check passed a list without $pkg"
    exit 1
  fi
done
echo "ok: a list without a needed package is refused"
