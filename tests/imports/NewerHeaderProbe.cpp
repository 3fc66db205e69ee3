// Built only to fail the import check: its imports are harmless, but its
// header (see CMakeLists.txt) asks for Windows Vista, so XP would refuse it.
int main() { return 0; }
