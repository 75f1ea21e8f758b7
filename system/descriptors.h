#ifndef VORMIS_SYSTEM_DESCRIPTORS_H
#define VORMIS_SYSTEM_DESCRIPTORS_H

// Standard input, output or error that the program was started without
// (`>&-` in a shell) are opened read-only on /dev/null: no file the program
// opens can take their numbers and receive what was meant for the terminal,
// and writing to them still fails, as writing to a closed one does.
void guardStandardDescriptors();

#endif
