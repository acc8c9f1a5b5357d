#include "actors/contracts/Contract.h"

#include "actors/GameMob.h"
#include "actors/citizens/CitizenRecord.h"

ContractValues contractValueTable = LevelSettings().contractValues;

void resetContractValues()
{
    contractValueTable = LevelSettings().contractValues;
}

void ContractTarget::setPerson(GameMob* newMob)
{
    mob = newMob;
    packageObject = nullptr;
}

void ContractTarget::setPackage(GameObject* package)
{
    mob = nullptr;
    packageObject = package;
}

void ContractTarget::clear()
{
    mob = nullptr;
    packageObject = nullptr;
}

ContractTarget::Kind ContractTarget::kind() const
{
    if (mob)
        return Person;
    return packageObject ? Package : None;
}

GameObject* ContractTarget::asObject() const
{
    if (mob)
        return mob;
    return packageObject;
}

Contract::Contract(CitizenRecord* record) : target(record)
{
}

Contract::~Contract()
{
    if (ownsRecord)
        delete target;
}

int Contract::getValue() const
{
    const ContractValues& values = contractValueTable;
    int value = values[LevelSettings::Base];
    if (knowsplayer)
        value += values[LevelSettings::KnowsPlayer];
    if (musthidebody)
        value += values[LevelSettings::MustHideBody];
    if (armed)
        value += values[LevelSettings::Armed];
    if (policeescort)
        value += values[LevelSettings::PoliceEscort];
    if (paranoid)
        value += values[LevelSettings::Paranoid];
    if (bodyguard)
    {
        value += values[LevelSettings::Bodyguard];
        if (knowsplayer)
            value += values[LevelSettings::BodyguardAndKnowsPlayer];
    }
    if (kind == Steal)
        value += values[LevelSettings::Steal];
    if (urgent == 1)
        value += values[LevelSettings::Urgent];
    return value;
}
