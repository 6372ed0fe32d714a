#!/usr/bin/env bash
# Rewrites tests/golden/fem1d/ from the build's fem1d, for a deliberate change
# of the report's layout or of the solvers' last digits. Review the diff (the
# closed-form tests, not these files, vouch for the numbers) before committing.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

program="$BUILD_DIR/bin/fem1d"
[ -x "$program" ] || { echo "build fem1d first (./tools/run-tests.sh)" >&2; exit 1; }
for problem in "$ROOT_DIR"/examples/problems/*.fem; do
    name="$(basename "$problem" .fem)"
    golden="$ROOT_DIR/tests/golden/fem1d/$name"
    work="$(mktemp -d)"
    cp "$problem" "$work/"
    (cd "$work" && "$program" "$name.fem" >report.out)
    rm "$work/$name.fem"
    rm -rf "$golden"
    mv "$work" "$golden"
    chmod 755 "$golden"
    chmod 644 "$golden"/*
done
git -C "$ROOT_DIR" status --short tests/golden/fem1d
