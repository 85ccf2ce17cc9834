// The benchmark's floor: a console program built like fontfix.exe that
// does nothing, so that timing it measures starting a process.
int wmain(int, wchar_t**, wchar_t**) { return 0; }
