#include "driver/esecuzione.h"
#include "platform/piattaforma.h"

int main() { return guida::esegui(piattaforma::sistema_reale()); }
