// Splitting a chain text at the engine's own filters.

#include "Src/VideoFilterChain.h"

namespace {

// One filter of the text with the separator that ends it (',', ';' or 0 at the end).
struct TFilterItem {
  String Text;
  char Separator = 0;
};

// Cuts AText at the commas and semicolons that separate filters: not inside quotes,
// not inside link labels, not right after a backslash.
std::vector<TFilterItem> SplitItems(const String& AText) {
  std::vector<TFilterItem> Items;
  String Current;
  bool Quoted = false;
  int Labels = 0;
  for (size_t I = 0; I < AText.size(); I++) {
    char C = AText[I];
    if (C == '\\' && I + 1 < AText.size()) {
      Current += C;
      Current += AText[++I];
      continue;
    }
    if (C == '\'') Quoted = !Quoted;
    if (!Quoted && C == '[') Labels++;
    if (!Quoted && C == ']' && Labels > 0) Labels--;
    if (!Quoted && Labels == 0 && (C == ',' || C == ';')) {
      Items.push_back({Current, C});
      Current.clear();
      continue;
    }
    Current += C;
  }
  Items.push_back({Current, 0});
  return Items;
}

// The filter name of an item ("[in]scale=320:240[out]" names "scale"), whether the item
// carries link labels, and the arguments after "=".
struct TFilterName {
  String Name;
  String Arguments;
  bool HasLabels = false;
};

TFilterName ReadFilterName(const String& AItem) {
  TFilterName Result;
  String Text = Trim(AItem);
  while (Text.starts_with("[")) {
    Result.HasLabels = true;
    size_t Close = Text.find(']');
    Text = Close == String::npos ? "" : Trim(Text.substr(Close + 1));
  }
  size_t End = Text.find_first_of("=[");
  Result.Name = Trim(Text.substr(0, End));
  if (End != String::npos && Text[End] == '=') {
    String Rest = Text.substr(End + 1);
    size_t Label = Rest.rfind('[');
    if (Label != String::npos && Trim(Rest).ends_with("]")) {
      Result.HasLabels = true;
      Rest = Rest.substr(0, Label);
    }
    Result.Arguments = Trim(Rest);
  } else if (End != String::npos) {
    Result.HasLabels = true;
  }
  return Result;
}

}  // namespace

bool SplitFilterChain(const String& AText, std::vector<TChainPart>& AParts, String& AError) {
  AParts.clear();
  std::vector<TFilterItem> Items = SplitItems(AText);
  bool HasEngineFilter = false;
  for (const TFilterItem& Item : Items) {
    const String Name = ReadFilterName(Item.Text).Name;
    HasEngineFilter = HasEngineFilter || FindFilter(Name);
    // Said here by name: libavfilter's parser only answers "invalid argument".
    if (!Name.empty() && !FindFilter(Name) && !FF.avfilter_get_by_name(Name.c_str())) {
      AError = Format("No such filter: '%s'", Name);
      return false;
    }
  }
  if (!HasEngineFilter) {
    AParts.push_back({nullptr, Trim(AText)});
    return true;
  }

  // An engine filter stands between two graphs, so it must lie on the one path from the
  // chain's input to its output: in the text's last chain, without labels of its own.
  // Whatever comes before it (a "movie" source overlaid, say) is the first graph's.
  size_t LastChain = 0;  // the first item of the last chain
  for (size_t I = 0; I < Items.size(); I++)
    if (Items[I].Separator == ';') LastChain = I + 1;

  AParts.push_back({});
  char Separator = ',';  // the one between the run so far and the next item
  for (size_t I = 0; I < Items.size(); I++) {
    const TFilterItem& Item = Items[I];
    TFilterName Name = ReadFilterName(Item.Text);
    TEngineFilter* Registered = FindFilter(Name.Name);
    if (!Registered) {
      String& Run = AParts.back().Text;
      if (!Trim(Item.Text).empty()) Run += (Run.empty() ? "" : String(1, Separator)) + Trim(Item.Text);
      Separator = Item.Separator;
      continue;
    }
    auto* Filter = dynamic_cast<TEngineVideoFilter*>(Registered);
    if (!Filter) {
      AError = Format("The filter \"%s\" cannot run in a filter chain", Name.Name);
      return false;
    }
    if (I < LastChain || Name.HasLabels) {
      AError =
          Format("The filter \"%s\" must stand in the last chain of the filter text, without link labels",
                 Name.Name);
      return false;
    }
    AParts.push_back({Filter, Name.Arguments});
    AParts.push_back({});
    Separator = ',';
  }
  return true;
}
