#include "print/CPrintFormat.h"

#include "platform/registry/Registry.h"
#include "print/PrintSettings.h"

int CPrintFormat::Load(const Cp932String& key, bool nameRequired) {
  const PrintSettingsKey values(key);
  name = values.Text("Name", "");
  if (nameRequired && name.empty()) return 0;
  paper.Load(values.Sub("Paper"));
  paramMain.Load(values.Sub("ParamMain"));
  paramSub.Load(values.Sub("ParamSub"));
  attr = values.Int("Attr", kBasic);
  mix = values.Byte("Mix", 0);
  mixLine = values.Byte("MixLine", 1);
  mixWidth = values.Int("MixWidth", -1);
  return 1;
}

bool CPrintFormat::Save(const Cp932String& key) const {
  // A style is a few hundred values: the registry file is written once for all of them.
  registry::DeferredWrites batch;
  PrintSettingsKey values(key);
  values.Put("Name", name);
  values.Also(paper.Save(values.Sub("Paper")));
  values.Also(paramMain.Save(values.Sub("ParamMain")));
  values.Also(paramSub.Save(values.Sub("ParamSub")));
  values.Put("Attr", attr);
  values.Put("Mix", mix);
  values.Put("MixLine", mixLine);
  values.Put("MixWidth", mixWidth);
  const bool committed = batch.Commit();
  return values.written() && committed;
}
