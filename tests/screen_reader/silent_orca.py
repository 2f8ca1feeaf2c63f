#!/usr/bin/python3
# Runs the Orca screen reader with no speech server: every utterance it would speak is written,
# as a line "SPEECH OUTPUT: '...'", to the log file given as the only argument.
# Usage: silent_orca.py LOG_FILE
import sys

from orca import debug

debug.debugLevel = debug.LEVEL_INFO
debug.debugFile = open(sys.argv[1], "w", buffering=1)

from orca import orca, speech  # noqa: E402 (the debug settings must come first)

speech.init = lambda: None  # no speech server: utterances are only logged

manager = orca.getSettingsManager()
manager.activate(None, {})
sys.exit(orca.main())
