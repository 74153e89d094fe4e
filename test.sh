#!/usr/bin/env bash
# Install what is missing, build everything and run every test; then run the
# tests again built with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
source .ci/common.sh
zarvo_install
zarvo_build
export QT_QPA_PLATFORM=offscreen
echo "== tests"
ctest --test-dir build --output-on-failure --parallel "$(nproc)"
zarvo_build_sanitized
echo "== tests with AddressSanitizer and UndefinedBehaviorSanitizer"
ctest --test-dir build-asan --output-on-failure --parallel "$(nproc)"
zarvo_build_threads_sanitized
echo "== threaded tests with ThreadSanitizer"
ctest --test-dir build-tsan --output-on-failure --parallel "$(nproc)" -R 'ThreadedScan|EveryThreadCount|Streams\.|PictureJob|AttractorJob'
