#!/usr/bin/env bash
echo "The countdown window is not built yet; run scripts/test.sh for the tests."
