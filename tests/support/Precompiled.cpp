// Compiles the test framework's headers once for every test executable.
