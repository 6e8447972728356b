// Takes the single-instance lock for a key, then either dies at once without
// releasing it ("crash", as a killed program would) or holds it until its
// standard input closes ("hold").
#include <single_instance.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 4)
        return 2;
    kav::shell::EinzelInstanz instanz(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    if (!instanz.erwerben() || instanz.ergebnis() != kav::shell::EinzelInstanz::Ergebnis::Gesperrt)
        return 1;
    if (std::string(argv[1]) == "crash")
        std::_Exit(0); // no destructors: the lock file stays behind
    std::cout << "locked" << std::endl;
    std::string zeile;
    std::getline(std::cin, zeile);
    return 0;
}
