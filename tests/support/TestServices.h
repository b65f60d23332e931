#pragma once

// The services that CTest starts for the tests (tests/CMakeLists.txt): the throw-away
// PostgreSQL server and the throw-away X server. Each start writes KEY=VALUE lines to a file
// of its own; a test's environment names the services it needs (TESSALINE_TEST_SERVICES,
// "postgres,x11"), and this puts their lines into the process environment before the
// QApplication exists.
//
// A test that needs a service that did not start fails instead of passing in silence: false,
// with the reason on standard error. A test that does not need the X server runs offscreen.
bool loadTestServices();

// True when this test process shows its windows on the real (Xvfb) X server.
bool onRealDisplay();
