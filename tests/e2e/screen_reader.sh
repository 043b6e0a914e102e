#!/bin/bash
# A pupil with a screen reader: what Orca itself says while a round of each drill is
# played with the keyboard alone (tools/orca.sh, which a developer runs by hand too).
exec bash "$(dirname "$0")/../../tools/orca.sh" "$1"
