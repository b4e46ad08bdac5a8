#!/usr/bin/env bash
# The committed reference (docs/reference.md) says what the built DLL's type
# libraries say: the tool writes it anew and the two must not differ.
set -uo pipefail
here=$(dirname "$0")
made=$(mktemp)
trap 'rm -f "$made"' EXIT
bash "$here/../../scripts/typelib-doc.sh" "$1" "$made" || { echo "FAILED: the reference tool did not run"; exit 1; }
if ! diff -u "$here/../../docs/reference.md" "$made"; then
  echo "FAILED: docs/reference.md differs from the type library of the built DLL: run make docs"
  exit 1
fi
echo "reference_doc ($1): docs/reference.md matches the built DLL"
