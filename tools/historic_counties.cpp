#include "historic_counties.h"

namespace tools {
namespace {

constexpr County kCounties[] = {
    // England
    {"BDF", "Bedfordshire", "ENG"},
    {"BRK", "Berkshire", "ENG"},
    {"BKM", "Buckinghamshire", "ENG"},
    {"CAM", "Cambridgeshire", "ENG"},
    {"CHS", "Cheshire", "ENG"},
    {"CON", "Cornwall", "ENG"},
    {"CUL", "Cumberland", "ENG"},
    {"DBY", "Derbyshire", "ENG"},
    {"DEV", "Devon", "ENG"},
    {"DOR", "Dorset", "ENG"},
    {"DUR", "Durham", "ENG"},
    {"ESS", "Essex", "ENG"},
    {"GLS", "Gloucestershire", "ENG"},
    {"HAM", "Hampshire", "ENG"},
    {"HEF", "Herefordshire", "ENG"},
    {"HRT", "Hertfordshire", "ENG"},
    {"HUN", "Huntingdonshire", "ENG"},
    {"IOW", "Isle of Wight", "ENG"},
    {"KEN", "Kent", "ENG"},
    {"LAN", "Lancashire", "ENG"},
    {"LEI", "Leicestershire", "ENG"},
    {"LIN", "Lincolnshire", "ENG"},
    {"LND", "London", "ENG"},
    {"MDX", "Middlesex", "ENG"},
    {"NFK", "Norfolk", "ENG"},
    {"NTH", "Northamptonshire", "ENG"},
    {"NBL", "Northumberland", "ENG"},
    {"NTT", "Nottinghamshire", "ENG"},
    {"OXF", "Oxfordshire", "ENG"},
    {"RUT", "Rutland", "ENG"},
    {"SAL", "Shropshire", "ENG"},
    {"SOM", "Somerset", "ENG"},
    {"STS", "Staffordshire", "ENG"},
    {"SFK", "Suffolk", "ENG"},
    {"SRY", "Surrey", "ENG"},
    {"SSX", "Sussex", "ENG"},
    {"WAR", "Warwickshire", "ENG"},
    {"WES", "Westmorland", "ENG"},
    {"WIL", "Wiltshire", "ENG"},
    {"WOR", "Worcestershire", "ENG"},
    {"YKS", "Yorkshire", "ENG"},
    // Isle of Man
    {"IOM", "Isle of Man", "IOM"},
    // Wales
    {"AGY", "Anglesey", "WLS"},
    {"BRE", "Brecknockshire", "WLS"},
    {"CAE", "Caernarfonshire", "WLS"},
    {"CGN", "Cardiganshire", "WLS"},
    {"CMN", "Carmarthenshire", "WLS"},
    {"DEN", "Denbighshire", "WLS"},
    {"FLN", "Flintshire", "WLS"},
    {"GLA", "Glamorgan", "WLS"},
    {"MER", "Merionethshire", "WLS"},
    {"MON", "Monmouthshire", "WLS"},
    {"MGY", "Montgomeryshire", "WLS"},
    {"PEM", "Pembrokeshire", "WLS"},
    {"RAD", "Radnorshire", "WLS"},
    // Scotland
    {"ABD", "Aberdeenshire", "SCT"},
    {"ANS", "Angus (Forfarshire)", "SCT"},
    {"ARL", "Argyllshire", "SCT"},
    {"AYR", "Ayrshire", "SCT"},
    {"BAN", "Banffshire", "SCT"},
    {"BEW", "Berwickshire", "SCT"},
    {"BUT", "Buteshire", "SCT"},
    {"CAI", "Caithness", "SCT"},
    {"CLK", "Clackmannanshire", "SCT"},
    {"DFS", "Dumfriesshire", "SCT"},
    {"DNB", "Dunbartonshire", "SCT"},
    {"ELN", "East Lothian", "SCT"},
    {"FIF", "Fife", "SCT"},
    {"INV", "Inverness-shire", "SCT"},
    {"KCD", "Kincardineshire", "SCT"},
    {"KRS", "Kinross-shire", "SCT"},
    {"KKD", "Kirkcudbrightshire", "SCT"},
    {"LKS", "Lanarkshire", "SCT"},
    {"MLN", "Midlothian", "SCT"},
    {"MOR", "Moray", "SCT"},
    {"NAI", "Nairnshire", "SCT"},
    {"OKI", "Orkney", "SCT"},
    {"PEE", "Peeblesshire", "SCT"},
    {"PER", "Perthshire", "SCT"},
    {"RFW", "Renfrewshire", "SCT"},
    {"ROC", "Ross and Cromarty", "SCT"},
    {"ROX", "Roxburghshire", "SCT"},
    {"SEL", "Selkirkshire", "SCT"},
    {"SHI", "Shetland", "SCT"},
    {"STI", "Stirlingshire", "SCT"},
    {"SUT", "Sutherland", "SCT"},
    {"WLN", "West Lothian", "SCT"},
    {"WIG", "Wigtownshire", "SCT"},
    // Ireland, Northern Ireland's six counties included
    {"ANT", "Antrim", "IRL"},
    {"ARM", "Armagh", "IRL"},
    {"CAR", "Carlow", "IRL"},
    {"CAV", "Cavan", "IRL"},
    {"CLA", "Clare", "IRL"},
    {"COR", "Cork", "IRL"},
    {"DON", "Donegal", "IRL"},
    {"DOW", "Down", "IRL"},
    {"DUB", "Dublin", "IRL"},
    {"FER", "Fermanagh", "IRL"},
    {"GAL", "Galway", "IRL"},
    {"KER", "Kerry", "IRL"},
    {"KID", "Kildare", "IRL"},
    {"KIK", "Kilkenny", "IRL"},
    {"LEX", "Laois (Queen's County)", "IRL"},
    {"LET", "Leitrim", "IRL"},
    {"LIM", "Limerick", "IRL"},
    {"LDY", "Londonderry", "IRL"},
    {"LOG", "Longford", "IRL"},
    {"LOU", "Louth", "IRL"},
    {"MAY", "Mayo", "IRL"},
    {"MEA", "Meath", "IRL"},
    {"MOG", "Monaghan", "IRL"},
    {"OFF", "Offaly (King's County)", "IRL"},
    {"ROS", "Roscommon", "IRL"},
    {"SLI", "Sligo", "IRL"},
    {"TIP", "Tipperary", "IRL"},
    {"TYR", "Tyrone", "IRL"},
    {"WAT", "Waterford", "IRL"},
    {"WEM", "Westmeath", "IRL"},
    {"WEX", "Wexford", "IRL"},
    {"WIC", "Wicklow", "IRL"},
};

constexpr AreaRule kAreaRules[] = {
    // Wales
    {"Anglesey", "AGY"},
    {"Blaenau Gwent", "MON"},
    {"Bridgend county borough", "GLA"},
    {"Caerphilly County Borough", "GLA"},
    {"Cardiff", "GLA"},
    {"Carmarthenshire", "CMN"},
    {"City and County of Swansea", "GLA"},
    {"Conwy", "DEN"},
    {"County of Ceredigion", "CGN"},
    {"County of Flintshire", "FLN"},
    {"Denbighshire", "DEN"},
    {"Gwynedd", "CAE"},
    {"Merthyr Tydfil County Borough", "GLA"},
    {"Monmouthshire", "MON"},
    {"Neath Port Talbot", "GLA"},
    {"Newport", "MON"},
    {"Pembrokeshire", "PEM"},
    {"Rhondda Cynon Taf", "GLA"},
    {"Sir Powys", "MGY"},
    {"Torfaen County Borough", "MON"},
    {"Vale of Glamorgan", "GLA"},
    {"Wrexham", "DEN"},
    // Scotland
    {"Aberdeen City", "ABD"},
    {"Aberdeenshire", "ABD"},
    {"Angus", "ANS"},
    {"Argyll and Bute", "ARL"},
    {"City of Edinburgh", "MLN"},
    {"Clackmannanshire", "CLK"},
    {"Dumfries and Galloway", "DFS"},
    {"Dundee City", "ANS"},
    {"East Ayrshire", "AYR"},
    {"East Dunbartonshire", "DNB"},
    {"East Lothian", "ELN"},
    {"East Renfrewshire", "RFW"},
    {"Eilean Siar", "INV"},
    {"Falkirk", "STI"},
    {"Fife", "FIF"},
    {"Glasgow City", "LKS"},
    {"Highland", "INV"},
    {"Inverclyde", "RFW"},
    {"Midlothian", "MLN"},
    {"Moray", "MOR"},
    {"North Ayrshire", "AYR"},
    {"North Lanarkshire", "LKS"},
    {"Orkney Islands", "OKI"},
    {"Perth and Kinross", "PER"},
    {"Renfrewshire", "RFW"},
    {"Shetland Islands", "SHI"},
    {"South Ayrshire", "AYR"},
    {"South Lanarkshire", "LKS"},
    {"Stirling", "STI"},
    {"The Scottish Borders", "ROX"},
    {"West Dunbartonshire", "DNB"},
    {"West Lothian", "WLN"},
    // Northern Ireland
    {"Antrim and Newtownabbey", "ANT"},
    {"Ards and North Down", "DOW"},
    {"Armagh City Banbridge and Craigavon", "ARM"},
    {"Causeway Coast and Glens", "ANT"},
    {"City of Belfast", "ANT"},
    {"Derry City and Strabane", "LDY"},
    {"Fermanagh and Omagh", "FER"},
    {"Lisburn and Castlereagh", "DOW"},
    {"Mid Ulster", "TYR"},
    {"Mid and East Antrim", "ANT"},
    {"Newry Mourne and Down", "DOW"},
    // Ireland
    {"An Cabhán", "CAV"},
    {"An Longfort", "LOG"},
    {"Clare", "CLA"},
    {"County Carlow", "CAR"},
    {"County Cork", "COR"},
    {"County Donegal", "DON"},
    {"County Galway", "GAL"},
    {"County Leitrim", "LET"},
    {"County Monaghan", "MOG"},
    {"County Tipperary", "TIP"},
    {"County Waterford", "WAT"},
    {"Dublin City", "DUB"},
    {"Dún Laoghaire-Rathdown", "DUB"},
    {"Fingal County", "DUB"},
    {"Kerry", "KER"},
    {"Kildare", "KID"},
    {"Kilkenny", "KIK"},
    {"Laois", "LEX"},
    {"Limerick City and County Council", "LIM"},
    {"Louth", "LOU"},
    {"Mayo County", "MAY"},
    {"Meath", "MEA"},
    {"Roscommon", "ROS"},
    {"Sligo", "SLI"},
    {"South Dublin", "DUB"},
    {"Uíbh Fhailí", "OFF"},
    {"Westmeath", "WEM"},
    {"Wexford", "WEX"},
    {"Wicklow", "WIC"},
};

constexpr PlaceRule kPlaceRules[] = {
    // Wales
    {"Blaenau Gwent", "BRE", "Brynmawr"},
    {"Caerphilly County Borough", "MON",
     "Abercarn|Bedwas|Blackwood|Crosskeys|Crumlin|Machen|Maesycwmmer|New Tredegar|Newbridge|Rhymney|Risca"},
    {"Conwy", "CAE", "Betws-y-Coed|Conwy|Deganwy|Llandudno|Llanfairfechan|Penmaenmawr|Trefriw"},
    {"Denbighshire", "FLN", "Bodelwyddan|Cwm|Dyserth|Prestatyn|Rhuddlan|Rhyl|Saint Asaph"},
    {"Denbighshire", "MER", "Cynwyd|Llandrillo"},
    {"Gwynedd", "MER",
     "Aberdyfi|Bala|Barmouth|Blaenau-Ffestiniog|Corris|Dolgellau|Dyffryn Ardudwy|Fairbourne|Ffestiniog|"
     "Harlech|Llan Ffestiniog|Llanbedr|Llanfair|Llwyngwril|Maentwrog|Penrhyndeudraeth|Tal-y-bont|"
     "Trawsfynydd|Tywyn"},
    {"Monmouthshire", "BRE", "Clydach|Gilwern"},
    {"Pembrokeshire", "CGN", "Llechryd"},
    {"Sir Powys", "BRE",
     "Brecon|Builth Wells|Coelbren|Cray|Crickhowell|Hay|Llangattock|Llangynidr|Llanwrtyd Wells|Talgarth|"
     "Ystradgynlais"},
    {"Sir Powys", "RAD", "Clyro|Knighton|Llandrindod Wells|Newbridge on Wye|Penybont|Presteigne|Rhayader|Whitton"},
    {"Wrexham", "FLN", "Overton|Penley"},
    // Scotland
    {"Aberdeen City", "KCD", "Cove"},
    {"Aberdeenshire", "KCD",
     "Auchenblae|Banchory|Gourdon|Inverbervie|Johnshaven|Laurencekirk|Newtonhill|Portlethen|Saint Cyrus|"
     "Stonehaven"},
    {"Aberdeenshire", "BAN", "Aberchirder|Banff|Gardenstown|Macduff|Portsoy|Whitehills"},
    {"Argyll and Bute", "BUT", "Isle of Bute|Port Bannatyne|Rothesay"},
    {"Argyll and Bute", "DNB", "Cardross|Garelochhead|Helensburgh|Kilcreggan|Rhu|Rosneath"},
    {"City of Edinburgh", "WLN", "Kirkliston|Newbridge|Queensferry"},
    {"Dumfries and Galloway", "KKD",
     "Cargenbridge|Castle Douglas|Creetown|Dalbeattie|Gatehouse of Fleet|Kirkcudbright"},
    {"Dumfries and Galloway", "WIG", "Cairnryan|Glenluce|Newton Stewart|Portpatrick|Stranraer|Whithorn|Wigtown"},
    {"East Dunbartonshire", "STI", "Lennoxtown|Milton of Campsie|Torrance"},
    {"East Dunbartonshire", "LKS", "Bishopbriggs"},
    {"East Lothian", "MLN", "Musselburgh|Whitecraig"},
    {"Eilean Siar", "ROC", "Isle of Lewis|Sandwick|Stornoway"},
    {"Falkirk", "WLN", "Bo'ness"},
    {"Fife", "MLN", "Pathhead"}, // GeoNames puts this Midlothian village in Fife
    {"Highland", "ROC",
     "Alness|Avoch|Balintore|Conon Bridge|Cromarty|Dingwall|Evanton|Fortrose|Invergordon|Kyle of Lochalsh|"
     "Maryburgh|Muir of Ord|North Kessock|Rosemarkie|Strathpeffer|Tain|Ullapool"},
    {"Highland", "SUT", "Brora|Dornoch|Golspie|Helmsdale|Lairg"},
    {"Highland", "CAI", "Bowertower|Castletown|Halkirk|Thurso|Wick"},
    {"Highland", "NAI", "Auldearn|Nairn"},
    {"Highland", "MOR", "Grantown on Spey"},
    {"Highland", "ARL", "Ballachulish|Kinlochleven"},
    {"Moray", "BAN", "Buckie|Charlestown of Aberlour|Cullen|Dufftown|Findochty|Keith|Portgordon|Portknockie"},
    {"North Ayrshire", "BUT", "Brodick|Isle of Arran|Isle of Cumbrae|Lamlash|Millport|Whiting Bay"},
    {"North Lanarkshire", "DNB", "Croy|Cumbernauld|Dullatur"},
    {"North Lanarkshire", "STI", "Kilsyth|Queenzieburn"},
    {"Perth and Kinross", "KRS", "Crook of Devon|Kinross|Milnathort"},
    {"Stirling", "PER", "Aberfoyle|Callander|Doune|Dunblane|Killin|Thornhill"},
    {"The Scottish Borders", "BEW",
     "Allanton|Ayton|Chirnside|Coldingham|Coldstream|Duns|Earlston|Eyemouth|Greenlaw|Lauder"},
    {"The Scottish Borders", "SEL", "Clovenfords|Galashiels|Selkirk"},
    {"The Scottish Borders", "PEE", "Cardrona Mains|Innerleithen|Peebles|Walkerburn|West Linton"},
    {"The Scottish Borders", "MLN", "Stow"},
    {"West Lothian", "MLN", "East Calder|Kirknewton|Mid Calder|Polbeth|West Calder"},
    // Northern Ireland
    {"Armagh City Banbridge and Craigavon", "DOW", "Banbridge|Gilford|Magheralin|Rathfriland|Waringstown"},
    {"Armagh City Banbridge and Craigavon", "TYR", "Moy"},
    {"Causeway Coast and Glens", "LDY", "Ballykelly|Castlerock|Coleraine|Dungiven|Garvagh|Kilrea|Limavady|Portstewart"},
    {"City of Belfast", "DOW", "Castlereagh"},
    {"Derry City and Strabane", "TYR", "Ballymagorry|Castlederg|Newtownstewart|Sion Mills|Strabane"},
    {"Fermanagh and Omagh", "TYR", "Dromore|Fintona|Omagh"},
    {"Lisburn and Castlereagh", "ANT", "Glenavy|Lisburn"},
    {"Mid Ulster", "LDY", "Bellaghy|Castledawson|Draperstown|Maghera|Magherafelt|Moneymore"},
    {"Newry Mourne and Down", "ARM", "Crossmaglen|Newtownhamilton"},
    // Ireland: GeoNames gives this village no area
    {"", "WAT", "Passage East"},
};

bool listHolds(std::string_view list, std::string_view name)
{
    for (std::size_t start = 0;;) {
        std::size_t bar = list.find('|', start);
        if (list.substr(start, bar - start) == name)
            return true;
        if (bar == std::string_view::npos)
            return false;
        start = bar + 1;
    }
}

} // namespace

std::span<const County> chapmanCounties()
{
    return kCounties;
}

const County* findCounty(std::string_view code)
{
    for (const County& c : kCounties)
        if (c.code == code)
            return &c;
    return nullptr;
}

std::span<const AreaRule> areaRules()
{
    return kAreaRules;
}
std::span<const PlaceRule> placeRules()
{
    return kPlaceRules;
}

std::optional<std::string_view> historicCounty(std::string_view area, std::string_view storedName)
{
    for (const PlaceRule& rule : kPlaceRules)
        if (rule.area == area && listHolds(rule.places, storedName))
            return rule.code;
    for (const AreaRule& rule : kAreaRules)
        if (rule.area == area)
            return rule.code;
    return std::nullopt;
}

std::string_view storedCountry(std::string_view sourceCountry)
{
    if (sourceCountry == "SCO")
        return "SCT";
    if (sourceCountry == "NIR")
        return "IRL";
    return sourceCountry;
}

} // namespace tools
