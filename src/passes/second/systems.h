// The systems of the second spin pass, one call each. Each tests its own gate.
#pragma once

class Session;

namespace passes {

// 1st system, two dozens.
void firstSystem(Session& s);

// 3rd system's trend marking.
void trendMarking(Session& s);

// 5th system, even chances without repeats.
void fifthSystem(Session& s);

// 17th Waves.
void seventeenthWaves(Session& s);

// 18th colour patterns.
void eighteenthColourPatterns(Session& s);

// 19th HGF ADV.
void nineteenthHgfAdv(Session& s);

// 2NB prog counter and stake.
void twoNbProg(Session& s);

// 21st NICHE.
void twentyFirstNiche(Session& s);

// 22nd, three-number runs after a trigger number.
void twentySecondSystem(Session& s);

// 23rd Neuron net.
void twentyThirdNeuronNet(Session& s);

// 24th inverse gold ratio.
void twentyFourthSystem(Session& s);

// 12th Fast panel groups and tail.
void twelfthFastGroups(Session& s);
void twelfthFastTail(Session& s);

// 25th Twins.
void twentyFifthTwins(Session& s);

// twin derivation from the HGF data.
void Command7_Click(Session& s);

}  // namespace passes
