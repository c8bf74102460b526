#pragma once

/// From the start of exit() on, ends the process with exit()'s own status, after flushing
/// stdout and stderr, without the static destructors registered until now. Among those are the
/// global objects of the multimedia and speech libraries (the sample cache and its loading thread,
/// the PulseAudio engine, the list of devices, a speech connection), which are not safe to
/// destroy: Qt 6.4's PulseAudio engine disconnects from the server without holding the lock
/// of its own main loop thread, which aborts the process now and then at exit, and a sound or
/// speech thread stuck inside them makes those destructors free memory it uses or wait for
/// the server. Skipping them loses nothing: the windows have closed and QApplication is gone,
/// the program keeps no files, the system takes back memory and sockets. A sanitizer build
/// runs its leak check here instead. Safe to call more than once.
void skipStaticDestructorsAtExit();
