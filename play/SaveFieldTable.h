#ifndef QUENDRALVOSS_PLAY_SAVEFIELDTABLE_H
#define QUENDRALVOSS_PLAY_SAVEFIELDTABLE_H

#include <cstdint>

#include "app/SaveCodec.h"
#include "engine/FileStream.h"
#include "engine/Vec3.h"

// The fixed fields of a saved object are listed once, in a table of rows that
// each name a member and how it is stored; saving and loading both walk that
// table, so the two directions cannot drift apart.

// How a field is stored: a boolean word (792/990), a boolean kept as an
// integer word (0/1), an integer or a float word.
enum SaveFieldKind : uint8_t { kFieldBool, kFieldBoolAsInt, kFieldInt, kFieldFloat };

// One saved field of an Owner: how it is stored and which member it is. By
// kind exactly one member is named: boolMember, intMember, and for a float
// either floatMember or one component of the vector member vectorMember.
// negated: a boolean stored as its opposite.
template <class Owner>
struct SaveField {
    SaveFieldKind kind;
    bool negated;
    bool Owner::*boolMember;
    int32_t Owner::*intMember;
    float Owner::*floatMember;
    Vec3 Owner::*vectorMember;
    float Vec3::*component;
};

// The float member the field names, in a const or a writable owner.
template <class Object, class Owner>
auto& saveFieldFloat(Object& owner, const SaveField<Owner>& field) {
    return field.floatMember ? owner.*field.floatMember : (owner.*field.vectorMember).*field.component;
}

// The field's value in owner as its save word.
template <class Owner>
uint32_t encodeSaveField(const Owner& owner, const SaveField<Owner>& field) {
    switch (field.kind) {
    case kFieldBool:
        return encodeSaveBool(owner.*field.boolMember != field.negated);
    case kFieldBoolAsInt:
        return encodeSaveInt(owner.*field.boolMember != field.negated ? 1 : 0);
    case kFieldInt:
        return encodeSaveInt(owner.*field.intMember);
    case kFieldFloat:
        return encodeSaveFloat(saveFieldFloat(owner, field));
    }
    return 0;
}

// Stores the decoded word in the field of owner. A bad boolean word raises
// "save file corrupted" and is taken as false (before any negation).
template <class Owner>
void decodeSaveField(Owner& owner, const SaveField<Owner>& field, uint32_t word) {
    switch (field.kind) {
    case kFieldBool:
        owner.*field.boolMember = decodeSaveBool(word) != field.negated;
        break;
    case kFieldBoolAsInt:
        owner.*field.boolMember = (decodeSaveInt(word) != 0) != field.negated;
        break;
    case kFieldInt:
        owner.*field.intMember = decodeSaveInt(word);
        break;
    case kFieldFloat:
        saveFieldFloat(owner, field) = decodeSaveFloat(word);
        break;
    }
}

// Writes one word per field in table order; false at the first failed write.
template <class Owner>
bool writeSaveFields(FileStream& stream, const Owner& owner, const SaveField<Owner>* fields, int32_t count) {
    for (int32_t k = 0; k < count; ++k) {
        stream.writeU32(encodeSaveField(owner, fields[k]));
        if (stream.failed()) {
            return false;
        }
    }
    return true;
}

// Reads the same words, each stored as it arrives; false at the first failed
// read, whose field and those after it keep their values.
template <class Owner>
bool readSaveFields(FileStream& stream, Owner& owner, const SaveField<Owner>* fields, int32_t count) {
    for (int32_t k = 0; k < count; ++k) {
        const uint32_t word = stream.readU32();
        if (stream.failed()) {
            return false;
        }
        decodeSaveField(owner, fields[k], word);
    }
    return true;
}

#endif
