// The stream host classes TStream, TFileStream and TMemoryStream.
#include "script/host_streams.h"
#include "script/runtime.h"
#include "script/stdlib.h"

namespace rq::script {

namespace {

using rq::base::Object;

using StreamCall = Variant (*)(ByteStream& stream, VariantArray& args);

struct StreamMember {
    const char* declaration;
    StreamCall call;
};

ByteStream& StreamArg(const Variant& v) {
    return As<ByteStream>(v.toObject());
}

const StreamMember kStreamMethods[] = {
    {"function Read(var Buffer: String; Count: Integer): Integer",
     [](ByteStream& s, VariantArray& a) {
         a[0] = Variant(s.Read(a[1].toInt64()));
         return Variant(static_cast<int>(a[0].stringView().size()));
     }},
    {"function Write(Buffer: String; Count: Integer): Integer",
     [](ByteStream& s, VariantArray& a) {
         const std::string buffer = a[0].toString();
         const auto count = static_cast<std::size_t>(
             std::clamp<std::int64_t>(a[1].toInt64(), 0, static_cast<std::int64_t>(buffer.size())));
         return Variant(static_cast<int>(s.Write(buffer.substr(0, count))));
     }},
    {"function Seek(Offset: Integer; Origin: Word): Integer",
     [](ByteStream& s, VariantArray& a) {
         return Variant(static_cast<int>(s.Seek(a[0].toInt64(), a[1].toInteger())));
     }},
    {"function CopyFrom(Source: TStream; Count: Integer): Integer",
     [](ByteStream& s, VariantArray& a) {
         return Variant(static_cast<int>(s.CopyFrom(StreamArg(a[0]), a[1].toInt64())));
     }},
};

const StreamMember kMemoryMethods[] = {
    {"procedure Clear",
     [](ByteStream& s, VariantArray&) {
         As<MemoryStream>(&s).Clear();
         return Variant();
     }},
    {"procedure LoadFromStream(Stream: TStream)",
     [](ByteStream& s, VariantArray& a) {
         As<MemoryStream>(&s).LoadFromStream(StreamArg(a[0]));
         return Variant();
     }},
    {"procedure LoadFromFile(FileName: String)",
     [](ByteStream& s, VariantArray& a) {
         As<MemoryStream>(&s).LoadFromFile(a[0].toString());
         return Variant();
     }},
    {"procedure SaveToStream(Stream: TStream)",
     [](ByteStream& s, VariantArray& a) {
         StreamArg(a[0]).Write(As<MemoryStream>(&s).Data());
         return Variant();
     }},
    {"procedure SaveToFile(FileName: String)",
     [](ByteStream& s, VariantArray& a) {
         As<MemoryStream>(&s).SaveToFile(a[0].toString());
         return Variant();
     }},
};

void AddMembers(TfsClassVariable& cls, std::span<const StreamMember> members) {
    for (const StreamMember& m : members) {
        const StreamCall call = m.call;
        cls.AddMethod(m.declaration,
                      [call](Object* o, const TfsClassVariable*, const std::string&,
                             VariantArray& args) { return call(As<ByteStream>(o), args); });
    }
}

template <class T> bool IsA(const Object* o) {
    return dynamic_cast<const T*>(o) != nullptr;
}

} // namespace

void AddStreamClasses(TfsScript& script) {
    TfsClassVariable& stream = script.AddClass("TStream", "TObject", IsA<ByteStream>);
    AddMembers(stream, kStreamMethods);
    stream.AddProperty(
        "Position", "Integer",
        [](Object* o, const TfsClassVariable*, const std::string&) {
            return Variant(static_cast<int>(As<ByteStream>(o).Position()));
        },
        [](Object* o, const TfsClassVariable*, const std::string&, const Variant& v) {
            As<ByteStream>(o).SetPosition(v.toInt64());
        });
    stream.AddProperty(
        "Size", "Integer",
        [](Object* o, const TfsClassVariable*, const std::string&) {
            return Variant(static_cast<int>(As<ByteStream>(o).Size()));
        },
        [](Object* o, const TfsClassVariable*, const std::string&, const Variant& v) {
            As<ByteStream>(o).SetSize(v.toInt64());
        });

    ScriptRuntime& runtime = script.Runtime();
    TfsClassVariable& file = script.AddClass("TFileStream", "TStream", IsA<FileStream>);
    file.AddConstructor(
            "constructor Create(Filename: String; Mode: Word)",
            [&runtime](Object*, const TfsClassVariable*, const std::string&, VariantArray& a) {
                return Variant(
                    runtime.Keep(std::make_unique<FileStream>(a[0].toString(), a[1].toInteger())));
            })
        .usesFiles = true;

    TfsClassVariable& memory = script.AddClass("TMemoryStream", "TStream", IsA<MemoryStream>);
    memory.AddConstructor("constructor Create", [&runtime](Object*, const TfsClassVariable*,
                                                           const std::string&, VariantArray&) {
        return Variant(runtime.Keep(std::make_unique<MemoryStream>()));
    });
    AddMembers(memory, kMemoryMethods);
    MarkUsesFiles(memory, {"LoadFromFile", "SaveToFile"});
}

} // namespace rq::script
