#pragma once

// Lets pending window messages run once, from inside a long-running handler.
void ProcessMessages();

// Called at the start of every ProcessMessages, when set: the benchmarks time the gaps between pumps.
extern void (*onProcessMessages)();
