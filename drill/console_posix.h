// What the POSIX console's input stream and its pause share: waiting for standard input while
// the signals the drill catches may arrive, and the hangup that ends the input.
#pragma once

enum class Waited { Input, Signal, TimedOut };

// Catches the signal for the waits below when it has its default action and is not blocked;
// it is blocked at all other times, so that it can never slip in between a check and a wait.
// Answers whether it is caught.
bool catchSignal(int signal);

// Gives a caught signal back its default action and unblocks it.
void releaseSignal(int signal);

// Waits for standard input to have a byte (or its end), for a caught signal, or for the given
// milliseconds; -1 waits without a bound.
Waited waitForInput(int milliseconds);

// The last signal caught while waiting, forgotten once taken; 0 when none came.
int takeCaughtSignal();

// True once a hangup was caught: the terminal is gone, and the input has ended for good.
bool hungUp();
