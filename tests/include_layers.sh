#!/bin/bash
# SPDX-FileCopyrightText: 2026 Velmarin Software
# SPDX-License-Identifier: MIT
# Every subsystem includes only itself and the ones below it; the README's
# layout section tells the same.  Fails naming each include that runs up.
set -euo pipefail
src="${1:?usage: include_layers.sh <source dir>}/src"

declare -A may_include=(
  [platform]="platform"
  [timing]="timing platform"
  [clock]="clock timing platform"
  [buttons]="buttons platform"
  [rosters]="rosters timing platform"
  [export]="export timing platform"
  [history]="history timing platform"
  [game]="game history export rosters clock buttons timing platform"
  [display]="display game history export rosters clock buttons timing platform"
  [app]="app display game history export rosters clock buttons timing platform"
)

status=0
for folder in "$src"/*/; do
  subsystem=$(basename "$folder")
  allowed=${may_include[$subsystem]:-}
  if [[ -z $allowed ]]; then
    echo "src/$subsystem: a subsystem the layers do not name yet" >&2
    status=1
    continue
  fi
  while IFS=: read -r file line text; do
    target=$(sed -E 's|.*#include "([a-z]+)/.*|\1|' <<<"$text")
    if [[ " $allowed " != *" $target "* ]]; then
      echo "${file#"$src"/}:$line includes $target, above $subsystem" >&2
      status=1
    fi
  done < <(grep -rnE '#include "[a-z]+/' "$folder" || true)
done
exit $status
