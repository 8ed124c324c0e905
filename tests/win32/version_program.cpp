// A program that does nothing; it exists for the version resource linked into it, standing in
// for the host program in the plug-in's folder.
int main() { return 0; }
