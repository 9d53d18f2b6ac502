#pragma once
// What the terminal program needs to know about its streams.

bool StandardErrorIsTerminal();
