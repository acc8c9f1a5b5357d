#include "actors/citizens/CitizenTexts.h"

// The obituaries, missing-person notes and news lines of the end-of-run
// newspaper. The offences live in CitizenTextsOffences.cpp.

const Pronouns& CitizenTexts::pronounsOf(int gender)
{
    static const Pronouns male{"his", "him", "he", "His", "Him", "He"};
    static const Pronouns female{"her", "her", "she", "Her", "Her", "She"};
    static const Pronouns other{"their", "them", "they", "Their", "Them", "They"};
    if (gender == 1)
        return male;
    if (gender == 0)
        return female;
    return other;
}

bool CitizenTexts::namesPartner(const std::string& text)
{
    return text.find("%SPOUSEFIRSTNAME") != std::string::npos;
}

const TextTable& CitizenTexts::foundDead()
{
    static const TextTable table{
        "The corpse of `@%NAME`7, %AGE years old, was found yesterday.",
        "The gory remains of `@%NAME`7 were found in a park yesterday.",
        "`@%NAME`7 has been declared legally and actually dead. %HisHer body was discovered in an alleyway off Main "
        "Street on Thursday.",
        "Approximately 70 per cent of `@%NAME`7's body was discovered on Meadow Street.",
        "`@%NAME`7 was found with one gun burn mark in the centre of %hisher chest.",
        "`@%NAME`7 is dead. %HeShe was discovered by %hisher partner %SPOUSEFIRSTNAME, who was in tears speaking about "
        "it.",
        "`@%NAME`7 was dumped in a mass grave yesterday. %FIRSTNAME's body had been found with no wallet and not "
        "enough money for the state-sponsored burial.",
        "`@%NAME`7 has been found murdered. Friends and family said %FIRSTNAME was a lovely person who would never "
        "hurt a fly.",
        "The body of `@%NAME`7 was discovered on Happy Street yesterday. The corpse has been described by one "
        "onlooker at the scene as 'brutal'.",
        "Neighbours reported a fetid scent which led to the discovery of the body of `@%NAME`7.",
        "`@%NAME`7 has been declared dead. %HisHer corpse was found with blood draining into a nearby public "
        "fountain.",
        "The body of `@%NAME`7 was found yesterday. Inconsolable neighbourhood children described the scene of the "
        "corpse's discovery to reporters.",
        "`@%NAME`7 has been found, murdered. %LASTNAME was hard to identify, owing to a massive laser burn striking "
        "across their jaw.",
        "An overdue library fine was found on a stub in the pocket of `@%NAME`7's corpse. Could any relatives please "
        "stop by to pay the fine and collect the body.",
        "After discovering `@%NAME`7's body on the side of the road, police have called the circumstances "
        "'suspicious'.",
        "`@%NAME`7 was shot yesterday. %LASTNAME had twisted their ankle in a drain as they fell from the gunshot, "
        "their dangling foot later eaten by rats.",
        "At least 70 people passed the corpse of `@%NAME`7 yesterday, assuming it was a homeless person before it "
        "was called in.",
        "The body of `@%NAME`7 has been found next to a discarded soda can. One witness described the scene where "
        "%hisher corpse was found as 'nightmarish'.",
        "The corpse of `@%NAME`7 has been discovered by a popsicle vendor. %HisHer corpse was found to have been "
        "killed in a remarkably similar fashion to other nearby bodies.",
        "`@%NAME`7, %AGE, was found face down in a puddle on Dock Road. Police drones ruled out drowning after "
        "finding the hole in %hisher back.",
        "A street sweeper found `@%NAME`7 in the gutter yesterday. %HeShe was swept up and filed under 'litter' "
        "before anyone noticed %hisher pulse was missing.",
    };
    return table;
}

const TextTable& CitizenTexts::missing()
{
    static const TextTable table{
        "`!%NAME`7 is missing, presumed dead. Family is currently pleading with anyone with any information as to "
        "where %FIRSTNAME might be.",
        "It is announced that `!%NAME`7 went missing just days before %heshe was set to turn %AGE.",
        "A report has surfaced about a missing person named `!%NAME`7. Family and friends are appealing for anyone "
        "who has seen %himher for help in discovering %hisher whereabouts.",
        "`!%NAME`7 is missing. %HisHer wallet was found untouched on the side of the road yesterday.",
        "`!%NAME`7 is missing. %HisHer father claimed %heshe was too naive to survive on %hisher own, and hoped "
        "%heshe was dead instead.",
        "`!%NAME`7 has been announced as mission, presumed dead. %HisHer parents are certain %heshe is dead, and only "
        "hope that it was a quick and painless death.",
        "`!%NAME`7, it has been declared, was mere days away from gaining a PhD in Political Science when %heshe "
        "went missing.",
        "`!%NAME`7 hasn't been seen or heard from in several days. Friends and family are presuming the worst.",
        "`!%NAME`7 is allegedly missing after a rally. %HisHer father insisted there was nothing to worry about, "
        "saying 'I'm sure %heshe will be home tomorrow'.",
        "`!%NAME`7, an MP, is missing. %LASTNAME had never been convicted of a crime, but was found to have enemies "
        "in parliament prior to disappearing.",
        "`!%NAME`7 is missing, presumed dead. %HisHer disappearance has shocked the neighbourhood, who aren't used to "
        "dealing with such collective tragedy.",
        "`!%NAME`7 is allegedly missing. %LASTNAME's glasses, which many had claimed made %himher look like a "
        "'glasshole', are all that has been found.",
        "People have gathered in a vigil to mourn the disappearance of `!%NAME`7. There were several arrests.",
        "Government officials have called for information on `!%NAME`7's disappearance, saying that it was a waste "
        "of good Soylent.",
        "`!%NAME`7 is missing, most likely deceased, according to police drones. %LASTNAME was known to have been an "
        "avid birdwatcher, but there is little hope they'll return to their nest.",
        "The hotdog stand `!%NAME`7 operated has been quiet for days now, which residents say is a chilling "
        "absence.",
        "`!%NAME`7 hasn't shown up at work for several days, and co-workers are concerned for %hisher safety. Please "
        "report any information at once to [redacted].",
        "`!%NAME`7 is missing. %LASTNAME was known for brief disappearances according to %hisher family, but never "
        "without leaving a note.",
        "`!%NAME`7, it has been announced, is missing. Family repeated %hisher full name in a broadcast in the hopes "
        "of humanising %himher to any would-be abductors.",
        "`!%NAME`7 has allegedly vanished while out for a walk. %LASTNAME simply disappeared without a trace, but had "
        "very few friends or family left behind.",
    };
    return table;
}

namespace {

const TextTable& partnerFound()
{
    static const TextTable table{
        "A single bullethole was found in the head of `@%NAME`7, whose body was discovered in an alleyway just off "
        "Central Avenue. %HisHer partner `!%SPOUSEFIRSTNAME`7 could not be reached for comment at the time of death.",
        "`@%NAME`7 was found dead behind a noodle bar on Canal Street. %HisHer partner `!%SPOUSEFIRSTNAME`7 has asked "
        "for privacy, and for %hisher umbrella back.",
        "The body of `@%NAME`7, %AGE, was recovered from a flooded underpass. `!%SPOUSEFIRSTNAME`7, %hisher partner, "
        "identified %himher by %hisher shoes.",
        "`@%NAME`7 was found slumped against a vending machine yesterday. %HisHer partner `!%SPOUSEFIRSTNAME`7 says "
        "the machine still owes %himher a soda.",
        "Police drones found the body of `@%NAME`7 in a stairwell. `!%SPOUSEFIRSTNAME`7 described %hisher partner "
        "as 'a quiet soul who never bothered anyone'.",
        "`@%FIRSTNAME %LASTNAME`7 was found dead in %hisher own doorway. %HisHer partner `!%SPOUSEFIRSTNAME`7 had "
        "assumed %heshe was just late home again.",
        "The body of `@%NAME`7 was pulled from a bin near the tram depot. `!%SPOUSEFIRSTNAME`7 has offered a reward "
        "for any information, and %spousehisher life savings for a good lawyer.",
        "`@%NAME`7 was found dead on a bench in the rain. %HisHer partner `!%SPOUSEFIRSTNAME`7 said %heshe had only "
        "gone out for cigarettes.",
        "Residents found `@%NAME`7 dead at the foot of a billboard yesterday. `!%SPOUSEFIRSTNAME`7 is said to be "
        "inconsolable, and behind on the rent.",
        "The body of `@%NAME`7 was discovered under a flickering street lamp. %HisHer partner `!%SPOUSEFIRSTNAME`7 "
        "thanked the city for finally fixing the lamp.",
    };
    return table;
}

const TextTable& partnerMissing()
{
    static const TextTable table{
        "The body of `@%NAME`7 was found in a sewer yesterday. %HeShe went missing on %HisHer way to the shops. "
        "`@%LASTNAME`7 is survived by %hisher partner, `!%SPOUSEFIRSTNAME`7.",
        "`!%NAME`7 has not come home for a week. %HisHer partner `!%SPOUSEFIRSTNAME`7 has kept %hisher dinner warm "
        "every night since.",
        "`!%NAME`7, %AGE, vanished on the way to work. `!%SPOUSEFIRSTNAME`7, %hisher partner, is pleading for "
        "anyone with information to come forward.",
        "`!%NAME`7 is missing. %HisHer partner `!%SPOUSEFIRSTNAME`7 told reporters that %heshe 'always came back "
        "before'.",
        "Posters of `!%NAME`7 have gone up all over the district. %HisHer partner `!%SPOUSEFIRSTNAME`7 put up the "
        "first hundred alone.",
        "`!%NAME`7 was last seen boarding a night train. `!%SPOUSEFIRSTNAME`7 says %hisher partner never takes the "
        "train.",
        "Police have no leads on the disappearance of `!%NAME`7. %HisHer partner `!%SPOUSEFIRSTNAME`7 has been told "
        "to 'wait and see'.",
        "`!%NAME`7 went out in the rain and did not return. `!%SPOUSEFIRSTNAME`7 found %hisher umbrella still in "
        "the hall.",
        "Friends of `!%NAME`7 fear the worst after %heshe missed %hisher own anniversary. `!%SPOUSEFIRSTNAME`7 is "
        "still waiting at the restaurant.",
        "`!%NAME`7 has been reported missing by %hisher partner `!%SPOUSEFIRSTNAME`7, who noticed only when the "
        "bills stopped being paid.",
    };
    return table;
}

const TextTable& aloneFound()
{
    static const TextTable table{
        "The body of `@%NAME`7 was found yesterday. `@%LASTNAME`7 is survived by %hisher dog Trucker.",
        "`@%NAME`7 was found dead in a back alley. Neighbours said %heshe was quiet and paid the rent on time.",
        "The body of `@%NAME`7, %AGE, was found by a cleaning drone. %HeShe leaves behind a collection of rare "
        "bottle caps.",
        "`@%NAME`7 was discovered dead in a stairwell. No next of kin could be found, only a very hungry cat.",
        "Police drones logged the body of `@%NAME`7 yesterday. %FIRSTNAME had no family, but %hisher landlord is "
        "said to be upset.",
        "`@%NAME`7 was found dead on the steps of the public library. %HeShe had three books overdue.",
        "The corpse of `@%NAME`7 was found behind a kebab shop. The owner described %himher as 'a regular, and a "
        "good tipper'.",
        "`@%NAME`7 was found dead under a tram shelter yesterday. Co-workers said %heshe never missed a day of "
        "work until now.",
        "The body of `@%NAME`7 was recovered from the harbour. %HeShe had recently taken up swimming lessons.",
        "`@%NAME`7 was found dead near the market. %FIRSTNAME is survived by a houseplant that nobody has watered "
        "since.",
    };
    return table;
}

const TextTable& aloneMissing()
{
    static const TextTable table{
        "It has been 8 days since `@%NAME`7 was last seen alive, and friends are now mourning that there is little "
        "hope left of ever seeing %himher alive again.",
        "`!%NAME`7 has not been seen for a week. %HisHer neighbours only noticed when the mail piled up.",
        "`!%NAME`7, %AGE, failed to turn up for %hisher shift at the noodle factory. %HisHer manager has already "
        "hired a replacement.",
        "Nobody has heard from `!%NAME`7 in days. %HisHer goldfish is being looked after by the building's "
        "caretaker.",
        "`!%NAME`7 went out for a walk and never returned. Friends say %heshe liked walking in the rain.",
        "Flyers asking after `!%NAME`7 have appeared on every lamp post in the district, all of them soaked through.",
        "`!%NAME`7 has vanished. %HisHer landlord has reported %himher missing, and %hisher rent overdue.",
        "`!%NAME`7 was last seen near the docks. Police drones have declined to search the water.",
        "`!%NAME`7 has been missing since Tuesday. %HisHer bowling team is playing on without %himher.",
        "The disappearance of `!%NAME`7 has gone unnoticed by most, but %hisher favourite coffee stand has kept "
        "%hisher cup aside.",
    };
    return table;
}

}

const TextTable& CitizenTexts::newsList(bool married, bool found)
{
    if (married)
        return found ? partnerFound() : partnerMissing();
    return found ? aloneFound() : aloneMissing();
}
