#pragma once
// The results tests' names for the shared scratch directory and scripted
// player; their player says Yes unless told otherwise.

#include "support/ScriptedPorts.h"

namespace tumbla::test {

using ScratchDirectory = testing::TempDir;
using testing::FileBytes;
using testing::WriteBytes;

struct ScriptedMessages : testing::RecordingMessages {
    ScriptedMessages() { fallback = Answer::Yes; }
};

} // namespace tumbla::test
