#pragma once
// The start-up: from the process entry to the event loop and back to the exit status.
#include <exception>

// Plays the part of main: starts the runtime, runs the initialisers, _Main,
// the finalisers, and returns the runtime's exit code.
int QuenvaleMain(int argc, char** argv);

void _Main();
void _EarlyStartup();
void _InitFileTypes();
void _NewAppInstance();
void _ApplicationAddMenuHandlers();
void _LateStartup();
void _MakeDefaultView();

// The runtime's exception callback: calls fn(arg) and returns the
// RuntimeException that escaped, or nullptr; any other exception goes on up.
std::exception_ptr _CallFunctionWithExceptionHandling(void (*fn)(void*), void* arg);
