// Values inside HART data fields: packed ASCII text (four 6-bit characters in three
// bytes), IEEE single reals and 24/32-bit integers most significant byte first, and the
// 16-bit values of commands 201, 225 and 226 least significant byte first.
//   "ABCD" packs to 04 20 C4; 1.0f travels as 3F 80 00 00.
#pragma once

#include <cstdint>
#include <string>

// `length` characters (a multiple of 4) into length / 4 * 3 bytes; only the low 6 bits of
// each character are used. Returns 1.
int PackAscii(const char* text, uint8_t* out, int length);
// `length` bytes (a multiple of 3) into length / 3 * 4 characters, no terminator. Returns 1.
int UnpackAscii(const uint8_t* packed, char* out, int length);

// Packed ASCII carries the characters 0x20..0x5F: space, punctuation, digits, '@', 'A'..'Z',
// '[', '\\', ']', '^' and '_'. Returns what a typed character goes as: itself, its upper
// case for a lower-case letter, or 0 when packed ASCII cannot carry it.
char PackedAsciiForm(char c);

float GetFloatBE(const uint8_t* p);
void PutFloatBE(uint8_t* p, float v);
uint32_t GetU24BE(const uint8_t* p);
void PutU24BE(uint8_t* p, uint32_t v);
int32_t GetI32BE(const uint8_t* p);
void PutI32BE(uint8_t* p, int32_t v);
uint16_t GetU16LE(const uint8_t* p);
void PutU16LE(uint8_t* p, uint16_t v);

// The label of a HART engineering-unit code as the monitor pages spell it ("kPa", "PSI");
// empty for a code outside the table.
const char* HartUnitLabel(int unitCode);
