#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the checks need, when any is missing.
set -euo pipefail
packages=(g++ cmake ninja-build libgtest-dev libgmock-dev python3 python3-ezdxf clang libclang-rt-14-dev locales
          libsuitesparse-dev qt6-base-dev fonts-dejavu-core libcairo2-dev
          nlohmann-json3-dev libxml2-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${missing[@]}" >/dev/null
fi
# A comma-decimal locale, so that the tests prove the number formats independent of the locale.
if ! locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then
  echo "Generating the locale de_DE.UTF-8"
  localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
