#pragma once

// Lets pending window messages run once, from inside a long-running handler.
void ProcessMessages();
