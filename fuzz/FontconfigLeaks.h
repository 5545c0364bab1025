#pragma once

// For targets that lay out text: Qt's font lookups (fallback families for characters a font
// lacks) leave fontconfig patterns and caches that are freed only with the process. They are the
// library's, not ours, so the leak checker is told to pass over them and nothing else.
// Include once, from the target's own source.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}
