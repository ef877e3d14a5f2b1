// Putting the user's display mode back when the program crashes during a run.
#pragma once

// From now on every way the process can die without its own teardown puts the display mode back
// first: an unhandled exception on any thread (the filter that was installed before is still
// called afterwards), abort() and std::terminate (which ends in abort()), an invalid argument to a
// C runtime function and a pure virtual call. Starts the restore thread that does the work, and
// keeps stack back on the calling thread as ReserveCrashStack does. Called once, on the UI thread
// at program start.
void RestoreResolutionOnCrash();

// Before each switch of the display mode (RestoreResolutionOnCrash has the switch call it): where a
// crash that the program lived through has used the restore up, a new one waits for the next crash.
void ArmCrashRestore();

// Keeps a part of the calling thread's stack back for the crash handling, so that after a stack
// overflow the exception still reaches the filter. Called first thing by each of the program's
// threads.
void ReserveCrashStack();
