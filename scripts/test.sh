#!/usr/bin/env bash
# Installs what is missing, builds, starts the local Firebird server for the
# tests that need two connections, and runs every test. As root.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
scripts/build.sh

# The tests own the local server's SYSDBA password (see README).
password=${TALVO_TEST_DB_PASSWORD:-talvo-test}
scripts/firebird-server.sh start "$password"
build/bin/talvo-db set-password "$password" >/dev/null

cd build
ctest --output-on-failure --timeout 600
