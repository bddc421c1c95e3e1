// Links every object file of the platform and the library into one program. Built with link-time
// optimisation and -Werror=odr, it fails when two files define different classes or inline
// functions under one name, which an ordinary link merges without a word.
int main() { return 0; }
