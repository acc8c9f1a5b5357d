#include "actors/contracts/ContractActors.h"

ContractActors::~ContractActors() = default;
