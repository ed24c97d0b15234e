#!/usr/bin/env bash
# Every local link and image of the manual points at a file beside it, and every anchor a
# link names exists.
set -euo pipefail
doc=$1
status=0
for page in "$doc"/*.htm; do
  xmllint --html --noout "$page" 2>/dev/null || true
  refs=$(xmllint --html --xpath '//a/@href | //img/@src | //link/@href' "$page" 2>/dev/null |
         grep -o '"[^"]*"' | tr -d '"' || true)
  for ref in $refs; do
    case $ref in
      http:* | https:* | mailto:*) continue ;;
    esac
    file=${ref%%#*}
    anchor=${ref#*#}
    [ "$anchor" = "$ref" ] && anchor=
    target=$page
    if [ -n "$file" ]; then
      target=$doc/$file
      [ -f "$target" ] || { echo "$(basename "$page"): missing $file"; status=1; continue; }
    fi
    if [ -n "$anchor" ] && ! grep -q "id=\"$anchor\"" "$target"; then
      echo "$(basename "$page"): no anchor #$anchor in $(basename "$target")"
      status=1
    fi
  done
done
exit $status
