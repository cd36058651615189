<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>CommandLine</name>
    <message>
        <source>ゲームのデータを作るエディタ</source>
        <translation>An editor for creating game data</translation>
    </message>
    <message>
        <source>この説明を表示して終了します。</source>
        <translation>Show this help and exit.</translation>
    </message>
    <message>
        <source>版を表示して終了します。</source>
        <translation>Show the version and exit.</translation>
    </message>
    <message>
        <source>空のフォルダにサンプルゲームを作って開きます。</source>
        <translation>Create a sample game in an empty folder and open it.</translation>
    </message>
    <message>
        <source>フォルダ</source>
        <translation>folder</translation>
    </message>
    <message>
        <source>プロジェクト</source>
        <translation>project</translation>
    </message>
    <message>
        <source>開くプロジェクトのフォルダ、またはその prepare.txt。</source>
        <translation>The folder of the project to open, or its prepare.txt.</translation>
    </message>
    <message>
        <source>[フォルダ|prepare.txt]</source>
        <translation>[folder|prepare.txt]</translation>
    </message>
    <message>
        <source>開くプロジェクトは1つだけ指定してください。</source>
        <translation>Specify only one project to open.</translation>
    </message>
    <message>
        <source>--sample と開くプロジェクトは同時に指定できません。</source>
        <translation>--sample cannot be used together with a project to open.</translation>
    </message>
    <message>
        <source>--sample にはフォルダを指定してください。</source>
        <translation>Give a folder to --sample.</translation>
    </message>
    <message>
        <source>%1 は空のフォルダではありません。サンプルゲームは空のフォルダか新しいフォルダに作ります。</source>
        <translation>%1 is not an empty folder. The sample game is created in an empty folder or a new folder.</translation>
    </message>
    <message>
        <source>%1 にフォルダを作れません。</source>
        <translation>Cannot create a folder at %1.</translation>
    </message>
    <message>
        <source>サンプルゲームを %1 に書き込めません。</source>
        <translation>Cannot write the sample game to %1.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>参照を更新</source>
        <translation>Update references</translation>
    </message>
    <message>
        <source>そのまま</source>
        <translation>Leave as is</translation>
    </message>
    <message>
        <source>使用箇所...</source>
        <translation>Usages...</translation>
    </message>
    <message>
        <source>この項目は %1 か所で使われています。</source>
        <translation>This entry is used in %1 places.</translation>
    </message>
    <message>
        <source>
番号の変わる他の項目が %1 か所で使われています。</source>
        <translation>
Other entries whose numbers change are used in %1 places.</translation>
    </message>
    <message>
        <source>

参照を更新: 参照する番号をすべて合わせます。
そのまま: 参照する番号を変えません。</source>
        <translation>

Update references: every reference follows its entry.
Leave as is: the numbers that refer stay as they are.</translation>
    </message>
    <message>
        <source>ほか %1 か所</source>
        <translation>%1 more places</translation>
    </message>
    <message>
        <source>次の箇所の参照は更新できません（「なし」にできない項目か、63 バイトを超えるｺﾏﾝﾄﾞ行です）。先にそれらを変更するか、「そのまま」を選んでください。

</source>
        <translation>The references in these places cannot be updated (a field that cannot be none, or a command line that would pass 63 bytes). Change them first, or choose &quot;Leave as is&quot;.

</translation>
    </message>
    <message>
        <source>ﾌｫﾙﾀﾞ名に「\」「/」を含む名前や「.」「..」は使えません</source>
        <translation>Folder names may not contain &quot;\&quot; or &quot;/&quot;, nor be &quot;.&quot; or &quot;..&quot;</translation>
    </message>
    <message>
        <source>未入力の項目があります</source>
        <translation>Some fields are not filled in</translation>
    </message>
    <message>
        <source>ﾌｫﾙﾀﾞを作成する場所を指定して下さい</source>
        <translation>Choose where to create the folder</translation>
    </message>
    <message>
        <source>保存場所が未定です</source>
        <translation>The save location has not been chosen</translation>
    </message>
    <message>
        <source>
以上のフォルダを作成できません</source>
        <translation>
The folders above cannot be created</translation>
    </message>
    <message>
        <source>すべてのファイル (*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <source>%1 を読み込めません。</source>
        <translation>%1 cannot be read.</translation>
    </message>
    <message>
        <source>同名のファイルが存在しますが、上書きしますか？</source>
        <translation>A file of the same name exists. Overwrite it?</translation>
    </message>
    <message>
        <source>ファイルを作成できません</source>
        <translation>The file cannot be created</translation>
    </message>
    <message>
        <source>「%1」の入力画面はまだありません。この行は手で入力してください。</source>
        <translation>There is no input form for &quot;%1&quot; yet. Please type this line by hand.</translation>
    </message>
    <message>
        <source>  (読み込めません・書き込みません)</source>
        <translation>  (cannot be read; will not be written)</translation>
    </message>
    <message>
        <source>1つのｸﾞﾙｰﾌﾟに書けるのは64行までです。いま%1行あります。
65行目から後を消すか、別のｸﾞﾙｰﾌﾟに移してください。</source>
        <translation>A group can hold at most 64 lines. It now has %1 lines.
Delete line 65 and the lines after it, or move them to another group.</translation>
    </message>
    <message>
        <source>%1行目が長すぎます（%2ﾊﾞｲﾄ）。
1行に書けるのは63ﾊﾞｲﾄ（全角なら31文字）までです。</source>
        <translation>Line %1 is too long (%2 bytes).
A line can hold at most 63 bytes (31 full-width characters).</translation>
    </message>
    <message>
        <source>%1行目にﾌｧｲﾙに保存できない文字があります。
その文字を消すか、別の文字に置き換えてください。</source>
        <translation>Line %1 has characters that cannot be saved to the file.
Delete them or replace them with other characters.</translation>
    </message>
    <message>
        <source>説明が長すぎます（%1ﾊﾞｲﾄ）。
説明に書けるのは63ﾊﾞｲﾄまでです。</source>
        <translation>The explanation is too long (%1 bytes).
An explanation can hold at most 63 bytes.</translation>
    </message>
    <message>
        <source>場面番号が不正です</source>
        <translation>The scene number is not valid</translation>
    </message>
    <message>
        <source>ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(条件分岐)</source>
        <translation>Event command (conditional branch)</translation>
    </message>
    <message>
        <source>ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(ﾌﾗｸﾞに数値を設定)</source>
        <translation>Event command (set a number to a flag)</translation>
    </message>
    <message>
        <source>ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(ｱｲﾃﾑ所持数をﾌﾗｸﾞに設定)</source>
        <translation>Event command (put an item count into a flag)</translation>
    </message>
    <message>
        <source>ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(所持金額を設定)</source>
        <translation>Event command (put the money into a flag)</translation>
    </message>
    <message>
        <source>ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(経験点ｱｯﾌﾟ)</source>
        <translation>Event command (experience up)</translation>
    </message>
    <message>
        <source>上昇値</source>
        <translation>Increase</translation>
    </message>
    <message>
        <source>会話ｺﾏﾝﾄﾞ(文字速度)</source>
        <translation>Talk command (text speed)</translation>
    </message>
    <message>
        <source>速度</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>会話ｺﾏﾝﾄﾞ(ｱﾆﾒ削除)</source>
        <translation>Talk command (delete animation)</translation>
    </message>
    <message>
        <source>ｱﾆﾒ識別番号</source>
        <translation>Animation ID</translation>
    </message>
    <message>
        <source>会話ｺﾏﾝﾄﾞ(待ちj時間)</source>
        <translation>Talk command (wait)</translation>
    </message>
    <message>
        <source>待ち時間</source>
        <translation>Wait</translation>
    </message>
    <message>
        <source>%1 を保存できなかったため、場面ファイルも書き換えていません。</source>
        <translation>%1 could not be saved, so the scene files have not been changed either.</translation>
    </message>
    <message>
        <source>次の場面ファイルを書き換えられないため、%1 も場面ファイルも保存していません。</source>
        <translation>The following scene files cannot be changed, so neither %1 nor the scene files have been saved.</translation>
    </message>
    <message>
        <source>

読み込めない場面ファイル:
</source>
        <translation>

Scene files that cannot be read:
</translation>
    </message>
    <message>
        <source>

書き込めない場面ファイル:
</source>
        <translation>

Scene files that cannot be written:
</translation>
    </message>
    <message>
        <source>次の場面ファイルを置き換えられませんでした:
</source>
        <translation>The following scene files could not be replaced:
</translation>
    </message>
    <message>
        <source>この場面には店をこれ以上置けません（店・宿屋・立て札・定位置戦闘は1つの場面に合わせて64個まで）。</source>
        <translation>No more shops can be placed in this scene (shops, inns, signposts and fixed battles together: at most 64 per scene).</translation>
    </message>
    <message>
        <source>下</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>左</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>右</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>上</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>全方向</source>
        <translation>Any direction</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>場面変更1</source>
        <translation>Scene change 1</translation>
    </message>
    <message>
        <source>宿屋1</source>
        <translation>Inn 1</translation>
    </message>
    <message>
        <source>立て札1</source>
        <translation>Signpost 1</translation>
    </message>
    <message>
        <source>定位置戦闘1</source>
        <translation>Fixed battle 1</translation>
    </message>
    <message>
        <source>ﾌｨｰﾙﾄﾞ戦闘1</source>
        <translation>Field battle 1</translation>
    </message>
    <message>
        <source>背景ｱﾆﾒ設定１</source>
        <translation>Background animation settings 1</translation>
    </message>
    <message>
        <source>場面変更2</source>
        <translation>Scene change 2</translation>
    </message>
    <message>
        <source>宿屋2</source>
        <translation>Inn 2</translation>
    </message>
    <message>
        <source>立て札2</source>
        <translation>Signpost 2</translation>
    </message>
    <message>
        <source>定位置戦闘2</source>
        <translation>Fixed battle 2</translation>
    </message>
    <message>
        <source>移動元</source>
        <translation>Move from</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>%1 を読み込めません。
このファイルは上書きされません。</source>
        <translation>%1 cannot be read.
This file will not be overwritten.</translation>
    </message>
    <message>
        <source>ｺﾏﾝﾄﾞが長すぎます（%1ﾊﾞｲﾄ、1行は%2ﾊﾞｲﾄまで）。
%3を短くしてください</source>
        <translation>The command is too long (%1 bytes; a line holds at most %2 bytes).
Please shorten %3</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>ｷｬﾗﾁｯﾌﾟ</source>
        <translation>Character chip</translation>
    </message>
    <message>
        <source>前回の保存が途中で終わっていたため、その保存を完了しました（%1 ファイル）。</source>
        <translation>The last save had stopped partway, so it has been completed (%1 files).</translation>
    </message>
    <message>
        <source>はい</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>いいえ</source>
        <translation>No</translation>
    </message>
    <message>
        <source>すべてはい</source>
        <translation>Yes to all</translation>
    </message>
    <message>
        <source>進行状況</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>%1 / %2 ファイル
%3</source>
        <translation>%1 / %2 files
%3</translation>
    </message>
    <message>
        <source>%1 はプロジェクトのフォルダーの外を指しているため、保存しません。</source>
        <translation>%1 points outside the project folder, so it is not saved.</translation>
    </message>
    <message>
        <source>

NPCが%1個を超える場面:
</source>
        <translation>

Scenes with more than %1 NPCs:
</translation>
    </message>
    <message>
        <source>

宝箱が%1個を超える場面:
</source>
        <translation>

Scenes with more than %1 treasure chests:
</translation>
    </message>
    <message>
        <source>

店・宿屋・立て札・定位置戦闘が%1個を超える場面:
</source>
        <translation>

Scenes with more than %1 shops, inns, signposts and fixed battles:
</translation>
    </message>
    <message>
        <source>ファイルは書き換えていません。</source>
        <translation>No files have been changed.</translation>
    </message>
    <message>
        <source>%1 を上書きしなかったため、保存を取り消しました。</source>
        <translation>%1 was not overwritten, so the save has been cancelled.</translation>
    </message>
    <message>
        <source>保存を取り消しました。</source>
        <translation>The save has been cancelled.</translation>
    </message>
    <message>
        <source>%1 と %2 は同じファイルを指しているため、保存を取り消しました。</source>
        <translation>%1 and %2 point to the same file, so the save has been cancelled.</translation>
    </message>
    <message>
        <source>次のファイルはプロジェクトのフォルダーの外を指しているため、保存を取り消しました。</source>
        <translation>The following files point outside the project folder, so the save has been cancelled.</translation>
    </message>
    <message>
        <source>ﾌﾟﾛｼﾞｪｸﾄを読み込んでいます...</source>
        <translation>Loading the project...</translation>
    </message>
    <message>
        <source>読み込みの進み具合</source>
        <translation>Loading progress</translation>
    </message>
    <message>
        <source>追加...</source>
        <translation>Add...</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>会話ｺﾏﾝﾄﾞ(BGM再生)</source>
        <translation>Talk command (play BGM)</translation>
    </message>
    <message>
        <source>ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(BGM再生)</source>
        <translation>Event command (play BGM)</translation>
    </message>
    <message>
        <source>会話ｺﾏﾝﾄﾞ(効果音再生)</source>
        <translation>Talk command (play sound effect)</translation>
    </message>
    <message>
        <source>ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(効果音再生)</source>
        <translation>Event command (play sound effect)</translation>
    </message>
    <message>
        <source>次のファイルをまとめて書き換えます:</source>
        <translation>These files are rewritten together:</translation>
    </message>
    <message>
        <source>ほか %1 ファイル</source>
        <translation>and %1 more files</translation>
    </message>
    <message>
        <source>ほか %1 件</source>
        <translation>and %1 more</translation>
    </message>
    <message>
        <source>%1

以上のファイルを読み込めません。
これらのファイルは上書きされません。</source>
        <translation>%1

The files above cannot be read.
They will not be overwritten.</translation>
    </message>
</context>
<context>
    <name>lw</name>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>改行</source>
        <translation>New line</translation>
    </message>
    <message>
        <source>改ﾍﾟｰｼﾞ</source>
        <translation>New page</translation>
    </message>
    <message>
        <source>顔画像</source>
        <translation>Face image</translation>
    </message>
    <message>
        <source>効果音</source>
        <translation>Sound effect</translation>
    </message>
    <message>
        <source>文字速度</source>
        <translation>Text speed</translation>
    </message>
    <message>
        <source>顔画像位置</source>
        <translation>Face image position</translation>
    </message>
    <message>
        <source>文字位置</source>
        <translation>Text position</translation>
    </message>
    <message>
        <source>背景画像</source>
        <translation>Background image</translation>
    </message>
    <message>
        <source>ｱﾆﾒ表示</source>
        <translation>Show animation</translation>
    </message>
    <message>
        <source>ｱﾆﾒ削除</source>
        <translation>Delete animation</translation>
    </message>
    <message>
        <source>地震</source>
        <translation>Earthquake</translation>
    </message>
    <message>
        <source>待ち時間</source>
        <translation>Wait</translation>
    </message>
    <message>
        <source>魔法名</source>
        <translation>Magic name</translation>
    </message>
    <message>
        <source>魔法説明</source>
        <translation>Magic description</translation>
    </message>
    <message>
        <source>敏捷度</source>
        <translation>Agility</translation>
    </message>
    <message>
        <source>回避力</source>
        <translation>Evasion</translation>
    </message>
    <message>
        <source>攻撃力</source>
        <translation>Attack</translation>
    </message>
    <message>
        <source>魔力</source>
        <translation>Magic power</translation>
    </message>
    <message>
        <source>肉体防御力</source>
        <translation>Physical defence</translation>
    </message>
    <message>
        <source>精神防御力</source>
        <translation>Mental defence</translation>
    </message>
    <message>
        <source>最大生命点</source>
        <translation>Max life points</translation>
    </message>
    <message>
        <source>最大精神点</source>
        <translation>Max mind points</translation>
    </message>
    <message>
        <source>生命点</source>
        <translation>Life points</translation>
    </message>
    <message>
        <source>精神点</source>
        <translation>Mind points</translation>
    </message>
    <message>
        <source>健康状態</source>
        <translation>Health state</translation>
    </message>
    <message>
        <source>毒</source>
        <translation>Poison</translation>
    </message>
    <message>
        <source>睡眠</source>
        <translation>Sleep</translation>
    </message>
    <message>
        <source>与えるﾀﾞﾒｰｼﾞ</source>
        <translation>Damage dealt</translation>
    </message>
    <message>
        <source>消費精神点</source>
        <translation>Mind points used</translation>
    </message>
    <message>
        <source>必要ﾚﾍﾞﾙ</source>
        <translation>Required level</translation>
    </message>
    <message>
        <source>攻撃ｱﾆﾒ</source>
        <translation>Attack animation</translation>
    </message>
    <message>
        <source>修得可能ﾌﾗｸﾞ</source>
        <translation>Learnable flag</translation>
    </message>
    <message>
        <source>修得不可能</source>
        <translation>Cannot be learned</translation>
    </message>
    <message>
        <source>修得可能</source>
        <translation>Can be learned</translation>
    </message>
    <message>
        <source>全体魔法ﾌﾗｸﾞ</source>
        <translation>All-targets flag</translation>
    </message>
    <message>
        <source>個別魔法</source>
        <translation>Single target</translation>
    </message>
    <message>
        <source>全体魔法</source>
        <translation>All targets</translation>
    </message>
    <message>
        <source>武器</source>
        <translation>Weapon</translation>
    </message>
    <message>
        <source>兜</source>
        <translation>Helmet</translation>
    </message>
    <message>
        <source>鎧</source>
        <translation>Armour</translation>
    </message>
    <message>
        <source>盾</source>
        <translation>Shield</translation>
    </message>
    <message>
        <source>その他</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>動作速度</source>
        <translation>Action speed</translation>
    </message>
    <message>
        <source>向き</source>
        <translation>Facing</translation>
    </message>
    <message>
        <source>下</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>左</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>右</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>上</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>ﾚﾍﾞﾙ</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>経験点</source>
        <translation>Experience points</translation>
    </message>
    <message>
        <source>所持金</source>
        <translation>Money</translation>
    </message>
    <message>
        <source>ｱｲﾃﾑ最大所持数</source>
        <translation>Max belongings</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>この名前は使えません</source>
        <translation>This name cannot be used</translation>
    </message>
    <message>
        <source>あり</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>ｹﾞｰﾑ名</source>
        <translation>Game name</translation>
    </message>
    <message>
        <source>戦闘ﾌｫｰｶｽ画像</source>
        <translation>Battle focus image</translation>
    </message>
    <message>
        <source>空白を含む名前の画像は使えません。
ﾌｧｲﾙ名を変えてから選択してください</source>
        <translation>Images whose names contain spaces cannot be used.
Rename the file, then choose it again</translation>
    </message>
    <message>
        <source>会話矢印ｱﾆﾒ</source>
        <translation>Talk arrow animation</translation>
    </message>
    <message>
        <source>ﾒﾆｭｰ矢印ｱﾆﾒ(上)</source>
        <translation>Menu arrow animation (up)</translation>
    </message>
    <message>
        <source>ﾒﾆｭｰ矢印ｱﾆﾒ(下)</source>
        <translation>Menu arrow animation (down)</translation>
    </message>
    <message>
        <source>素手攻撃ｱﾆﾒ</source>
        <translation>Bare-hand attack animation</translation>
    </message>
    <message>
        <source>素手攻撃効果音</source>
        <translation>Bare-hand attack sound</translation>
    </message>
    <message>
        <source>戦闘ｱｲﾃﾑ入手効果音</source>
        <translation>Item found in battle sound</translation>
    </message>
    <message>
        <source>戦闘ﾚﾍﾞﾙｱｯﾌﾟ効果音</source>
        <translation>Level-up in battle sound</translation>
    </message>
    <message>
        <source>毒効果音</source>
        <translation>Poison sound</translation>
    </message>
    <message>
        <source>装備効果音</source>
        <translation>Equip sound</translation>
    </message>
    <message>
        <source>装備解除効果音</source>
        <translation>Unequip sound</translation>
    </message>
    <message>
        <source>ﾚﾍﾞﾙｱｯﾌﾟBGM</source>
        <translation>Level-up BGM</translation>
    </message>
    <message>
        <source>ｹﾞｰﾑｵｰﾊﾞｰBGM</source>
        <translation>Game-over BGM</translation>
    </message>
    <message>
        <source>通貨名</source>
        <translation>Currency name</translation>
    </message>
    <message>
        <source>線の太さ</source>
        <translation>Line thickness</translation>
    </message>
    <message>
        <source>戦闘終了時の効果音の有無</source>
        <translation>Sound at battle end</translation>
    </message>
    <message>
        <source>戦闘ﾒﾆｭｰ半透明化</source>
        <translation>Translucent battle menu</translation>
    </message>
    <message>
        <source>ｲﾍﾞﾝﾄ背景</source>
        <translation>Event background</translation>
    </message>
    <message>
        <source>単色塗りつぶし</source>
        <translation>Solid fill</translation>
    </message>
    <message>
        <source>画像</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>ﾒﾆｭｰ選択透明度</source>
        <translation>Menu selection transparency</translation>
    </message>
    <message>
        <source>ｲﾍﾞﾝﾄ枠色</source>
        <translation>Event frame colour</translation>
    </message>
    <message>
        <source>ｲﾍﾞﾝﾄ背景色</source>
        <translation>Event background colour</translation>
    </message>
    <message>
        <source>戦闘ﾒﾆｭｰ上下背景色</source>
        <translation>Battle menu top/bottom background colour</translation>
    </message>
    <message>
        <source>戦闘ﾒﾆｭｰ上下透明度</source>
        <translation>Battle menu top/bottom transparency</translation>
    </message>
    <message>
        <source>会話背景色</source>
        <translation>Talk background colour</translation>
    </message>
    <message>
        <source>会話ﾌｪｰﾄﾞ最大値</source>
        <translation>Talk fade maximum</translation>
    </message>
    <message>
        <source>会話顔画像表示</source>
        <translation>Talk face image</translation>
    </message>
    <message>
        <source>中</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>中[余白無し]</source>
        <translation>Centre [no margin]</translation>
    </message>
    <message>
        <source>会話枠Y座標</source>
        <translation>Talk frame Y</translation>
    </message>
    <message>
        <source>毒ﾀﾞﾒｰｼﾞ歩数</source>
        <translation>Steps per poison damage</translation>
    </message>
    <message>
        <source>PC歩数/ﾏｽ</source>
        <translation>PC steps per tile</translation>
    </message>
    <message>
        <source>NPC歩数/ﾏｽ</source>
        <translation>NPC steps per tile</translation>
    </message>
    <message>
        <source>非ｽｸﾛｰﾙ領域(幅)</source>
        <translation>Non-scrolling area (width)</translation>
    </message>
    <message>
        <source>非ｽｸﾛｰﾙ領域(高さ)</source>
        <translation>Non-scrolling area (height)</translation>
    </message>
    <message>
        <source>NPC直進度</source>
        <translation>NPC straightness</translation>
    </message>
    <message>
        <source>基本速度</source>
        <translation>Base speed</translation>
    </message>
    <message>
        <source>ﾐﾘ秒</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>ﾌｪｰﾄﾞ速度</source>
        <translation>Fade speed</translation>
    </message>
    <message>
        <source>戦闘順番速度</source>
        <translation>Battle turn speed</translation>
    </message>
    <message>
        <source>敵の攻撃速度</source>
        <translation>Enemy attack speed</translation>
    </message>
    <message>
        <source>ﾀﾞﾒｰｼﾞ速度(PC)</source>
        <translation>Damage speed (PC)</translation>
    </message>
    <message>
        <source>ﾀﾞﾒｰｼﾞ速度(敵)</source>
        <translation>Damage speed (enemy)</translation>
    </message>
    <message>
        <source>ﾌｫｰｶｽ点滅速度</source>
        <translation>Focus blink speed</translation>
    </message>
    <message>
        <source>文字表示速度</source>
        <translation>Text display speed</translation>
    </message>
    <message>
        <source>文字色(通常)</source>
        <translation>Text colour (normal)</translation>
    </message>
    <message>
        <source>文字色(非選択1)</source>
        <translation>Text colour (unselected 1)</translation>
    </message>
    <message>
        <source>文字色(非選択2)</source>
        <translation>Text colour (unselected 2)</translation>
    </message>
    <message>
        <source>文字色(使用不可)</source>
        <translation>Text colour (unusable)</translation>
    </message>
    <message>
        <source>文字色(非選択使用不可)</source>
        <translation>Text colour (unselected, unusable)</translation>
    </message>
    <message>
        <source>文字色(毒)</source>
        <translation>Text colour (poison)</translation>
    </message>
    <message>
        <source>文字色(睡眠)</source>
        <translation>Text colour (sleep)</translation>
    </message>
    <message>
        <source>ｲﾍﾞﾝﾄ文字ｻｲｽﾞ</source>
        <translation>Event text size</translation>
    </message>
    <message>
        <source>会話文字ｻｲｽﾞ</source>
        <translation>Talk text size</translation>
    </message>
    <message>
        <source>最大能力値</source>
        <translation>Max ability value</translation>
    </message>
    <message>
        <source>各ｱｲﾃﾑ所有可能最大数</source>
        <translation>Max count of each item held</translation>
    </message>
    <message>
        <source>ｱｲﾃﾑ売却掛け率</source>
        <translation>Item selling rate</translation>
    </message>
    <message>
        <source>ｱｲﾃﾑ表示最大数(買う)</source>
        <translation>Items shown (buy)</translation>
    </message>
    <message>
        <source>ｱｲﾃﾑ表示最大数(売る)</source>
        <translation>Items shown (sell)</translation>
    </message>
    <message>
        <source>ﾒﾆｭｰ項目最大表示数(装備)</source>
        <translation>Menu entries shown (equipment)</translation>
    </message>
    <message>
        <source>ﾒﾆｭｰ項目最大表示数(魔法・道具)</source>
        <translation>Menu entries shown (magic, items)</translation>
    </message>
    <message>
        <source>戦闘最大表示数(魔法・道具)</source>
        <translation>Battle entries shown (magic, items)</translation>
    </message>
    <message>
        <source>ｾｰﾌﾞﾃﾞｰﾀ最大表示数</source>
        <translation>Save slots shown</translation>
    </message>
    <message>
        <source>ｾｰﾌﾞﾃﾞｰﾀ最大数</source>
        <translation>Number of save slots</translation>
    </message>
    <message>
        <source>戦闘ﾒﾆｭｰ上下余白</source>
        <translation>Battle menu top/bottom margin</translation>
    </message>
    <message>
        <source>戦闘待ち時間（開始会話）</source>
        <translation>Battle wait (opening talk)</translation>
    </message>
    <message>
        <source>戦闘待ち時間（魔法・道具）</source>
        <translation>Battle wait (magic, items)</translation>
    </message>
    <message>
        <source>ｲﾍﾞﾝﾄ ﾒﾆｭｰ幅(店・戦闘)</source>
        <translation>Event menu width (shop, battle)</translation>
    </message>
    <message>
        <source>ｲﾍﾞﾝﾄ ﾒﾆｭｰ幅(ﾚﾍﾞﾙｱｯﾌﾟ・ﾒﾆｭｰ)</source>
        <translation>Event menu width (level-up, menu)</translation>
    </message>
    <message>
        <source>ｲﾍﾞﾝﾄ ﾒﾆｭｰ幅(会話)</source>
        <translation>Event menu width (talk)</translation>
    </message>
    <message>
        <source>ﾒﾆｭｰ項目の高さ</source>
        <translation>Menu entry height</translation>
    </message>
    <message>
        <source>ﾌｪｰﾄﾞ ｱｳﾄ ｶｳﾝﾄ増分(怪物)</source>
        <translation>Fade-out count step (monsters)</translation>
    </message>
    <message>
        <source>ﾌｪｰﾄﾞ ｱｳﾄ ｶｳﾝﾄ増分(会話)</source>
        <translation>Fade-out count step (talk)</translation>
    </message>
    <message>
        <source>BGM・効果音音量</source>
        <translation>BGM and sound volume</translation>
    </message>
    <message>
        <source>BGM音量</source>
        <translation>BGM volume</translation>
    </message>
    <message>
        <source>効果音音量</source>
        <translation>Sound volume</translation>
    </message>
    <message>
        <source>連続ｷｰ状態取得間隔</source>
        <translation>Key repeat polling interval</translation>
    </message>
    <message>
        <source>会話文余白</source>
        <translation>Talk text margin</translation>
    </message>
    <message>
        <source>文字の左上座標(X,ﾄﾞｯﾄ)</source>
        <translation>Text top-left (X, pixels)</translation>
    </message>
    <message>
        <source>文字の左上座標(Y,ﾄﾞｯﾄ)</source>
        <translation>Text top-left (Y, pixels)</translation>
    </message>
    <message>
        <source>ｸﾘﾃｨｶﾙ ﾋｯﾄ率(%)</source>
        <translation>Critical hit rate (%)</translation>
    </message>
    <message>
        <source>通常ﾀﾞﾒｰｼﾞ振れ幅</source>
        <translation>Normal damage spread</translation>
    </message>
    <message>
        <source>通常ﾀﾞﾒｰｼﾞ振れ幅(ｸﾘﾃｨｶﾙ ﾋｯﾄ)</source>
        <translation>Damage spread (critical hit)</translation>
    </message>
    <message>
        <source>敵攻撃移動距離</source>
        <translation>Enemy attack movement distance</translation>
    </message>
    <message>
        <source>ｸﾘﾃｨｶﾙ ﾋｯﾄ時の効果音ｴﾌｪｸﾄ番号</source>
        <translation>Critical hit sound effect number</translation>
    </message>
    <message>
        <source>ｸﾘﾃｨｶﾙ ﾋｯﾄ時の効果音音量</source>
        <translation>Critical hit sound volume</translation>
    </message>
    <message>
        <source>動作種別</source>
        <translation>Action kind</translation>
    </message>
    <message>
        <source>静止</source>
        <translation>Standing</translation>
    </message>
    <message>
        <source>歩行</source>
        <translation>Walking</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>非表示</source>
        <translation>Hidden</translation>
    </message>
    <message>
        <source>（1 ～ 100）</source>
        <translation>(1 – 100)</translation>
    </message>
    <message>
        <source>下左</source>
        <translation>Bottom left</translation>
    </message>
    <message>
        <source>下中</source>
        <translation>Bottom centre</translation>
    </message>
    <message>
        <source>下右</source>
        <translation>Bottom right</translation>
    </message>
    <message>
        <source>上左</source>
        <translation>Top left</translation>
    </message>
    <message>
        <source>上中</source>
        <translation>Top centre</translation>
    </message>
    <message>
        <source>上右</source>
        <translation>Top right</translation>
    </message>
    <message>
        <source>肉体防御</source>
        <translation>Physical def.</translation>
    </message>
    <message>
        <source>精神防御</source>
        <translation>Mental def.</translation>
    </message>
    <message>
        <source>最大HP</source>
        <translation>Max HP</translation>
    </message>
    <message>
        <source>最大MP</source>
        <translation>Max MP</translation>
    </message>
    <message>
        <source>怪物名</source>
        <translation>Monster name</translation>
    </message>
    <message>
        <source>怪物名に空白は使えません</source>
        <translation>Monster names cannot contain spaces</translation>
    </message>
    <message>
        <source>特殊攻撃種別</source>
        <translation>Special attack kind</translation>
    </message>
    <message>
        <source>特殊攻撃率</source>
        <translation>Special attack rate</translation>
    </message>
    <message>
        <source>特殊攻撃成功率</source>
        <translation>Special attack success rate</translation>
    </message>
    <message>
        <source>特殊攻撃ﾀﾞﾒｰｼﾞ</source>
        <translation>Special attack damage</translation>
    </message>
    <message>
        <source>通常攻撃種別</source>
        <translation>Normal attack kind</translation>
    </message>
    <message>
        <source>魔法</source>
        <translation>Magic</translation>
    </message>
    <message>
        <source>通常攻撃効果音</source>
        <translation>Normal attack sound</translation>
    </message>
    <message>
        <source>怪物画像</source>
        <translation>Monster picture</translation>
    </message>
    <message>
        <source>画像ﾌｧｲﾙ名に空白は使えません</source>
        <translation>Image file names cannot contain spaces</translation>
    </message>
    <message>
        <source>序章</source>
        <translation>Prologue</translation>
    </message>
    <message>
        <source>ｽﾀｰﾄ</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>ﾛｰﾄﾞ</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>選択色</source>
        <translation>Selected colour</translation>
    </message>
    <message>
        <source>選択影色</source>
        <translation>Selected shadow colour</translation>
    </message>
    <message>
        <source>未選択色</source>
        <translation>Unselected colour</translation>
    </message>
    <message>
        <source>未選択影色</source>
        <translation>Unselected shadow colour</translation>
    </message>
    <message>
        <source>赤</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>緑</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>青</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>MIDI を鳴らすための General MIDI サウンドフォントが見つかりません。環境変数 SDL_SOUNDFONTS にサウンドフォント (.sf2) のパスを設定するか、timgm6mb-soundfont をインストールしてください。</source>
        <translation>No General MIDI sound font was found to play MIDI. Set the environment variable SDL_SOUNDFONTS to the path of a sound font (.sf2), or install timgm6mb-soundfont.</translation>
    </message>
    <message>
        <source>DirectMusicLoader8の作成に失敗しました。</source>
        <translation>Creating the DirectMusicLoader8 failed.</translation>
    </message>
    <message>
        <source>DirectMusicPerformance8の作成に失敗しました。</source>
        <translation>Creating the DirectMusicPerformance8 failed.</translation>
    </message>
    <message>
        <source>パフォーマンスの初期化に失敗しました。</source>
        <translation>Initialising the performance failed.</translation>
    </message>
    <message>
        <source>BGMの読み込みに失敗しました。</source>
        <translation>Loading the BGM failed.</translation>
    </message>
    <message>
        <source>パスのボリューム設定に失敗しました。</source>
        <translation>Setting the path volume failed.</translation>
    </message>
    <message>
        <source>Soundの読み込みに失敗しました。</source>
        <translation>Loading the sound failed.</translation>
    </message>
    <message>
        <source>パスの作成に失敗しました。</source>
        <translation>Creating the path failed.</translation>
    </message>
    <message>
        <source>条件分岐</source>
        <translation>Conditional branch</translation>
    </message>
    <message>
        <source>条件分岐終了</source>
        <translation>End of conditional branch</translation>
    </message>
    <message>
        <source>能力値ｱｯﾌﾟ</source>
        <translation>Ability up</translation>
    </message>
    <message>
        <source>戦闘</source>
        <translation>Battle</translation>
    </message>
    <message>
        <source>ｴﾌｪｸﾄ表示</source>
        <translation>Show effect</translation>
    </message>
    <message>
        <source>ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ終了</source>
        <translation>End of event commands</translation>
    </message>
    <message>
        <source>装備の設定･解除</source>
        <translation>Set/remove equipment</translation>
    </message>
    <message>
        <source>ｹﾞｰﾑ終了</source>
        <translation>End the game</translation>
    </message>
    <message>
        <source>経験点ｱｯﾌﾟ</source>
        <translation>Experience up</translation>
    </message>
    <message>
        <source>会話時の顔画像</source>
        <translation>Face image for talk</translation>
    </message>
    <message>
        <source>ﾌｪｰﾄﾞｱｳﾄ･ｲﾝ</source>
        <translation>Fade out/in</translation>
    </message>
    <message>
        <source>PCｪｰﾄﾞｲﾝ</source>
        <translation>PC fade-in</translation>
    </message>
    <message>
        <source>PCｪｰﾄﾞｱｳﾄ</source>
        <translation>PC fade-out</translation>
    </message>
    <message>
        <source>ﾌﾗｸﾞに数値を設定</source>
        <translation>Set a number to a flag</translation>
    </message>
    <message>
        <source>生命点と精神点の全回復</source>
        <translation>Fully restore life and mind points</translation>
    </message>
    <message>
        <source>ｹﾞｰﾑ開始時の状態に設定</source>
        <translation>Reset to the game-start state</translation>
    </message>
    <message>
        <source>ｱｲﾃﾑの追加と削除</source>
        <translation>Add and remove items</translation>
    </message>
    <message>
        <source>ﾌﾟﾚｲﾃﾞｰﾀのﾛｰﾄﾞ画面表示</source>
        <translation>Show the load screen</translation>
    </message>
    <message>
        <source>魔法修得可能ﾌﾗｸﾞ設定</source>
        <translation>Set a magic&apos;s learnable flag</translation>
    </message>
    <message>
        <source>会話表示</source>
        <translation>Show talk</translation>
    </message>
    <message>
        <source>BGM再生･停止</source>
        <translation>Play/stop BGM</translation>
    </message>
    <message>
        <source>所持金の増減</source>
        <translation>Increase/decrease money</translation>
    </message>
    <message>
        <source>ﾅﾚｰｼｮﾝ画面表示</source>
        <translation>Show narration screen</translation>
    </message>
    <message>
        <source>ｱｲﾃﾑ所持数をﾌﾗｸﾞに設定</source>
        <translation>Put an item count into a flag</translation>
    </message>
    <message>
        <source>ﾚﾍﾞﾙをﾌﾗｸﾞに設定</source>
        <translation>Put the level into a flag</translation>
    </message>
    <message>
        <source>所持金額をﾌﾗｸﾞに設定</source>
        <translation>Put the money into a flag</translation>
    </message>
    <message>
        <source>場面変更</source>
        <translation>Scene change</translation>
    </message>
    <message>
        <source>NPC表示･非表示</source>
        <translation>Show/hide an NPC</translation>
    </message>
    <message>
        <source>宝箱の表示･非表示</source>
        <translation>Show/hide a treasure chest</translation>
    </message>
    <message>
        <source>会話内容</source>
        <translation>Talk content</translation>
    </message>
    <message>
        <source>ﾀｲﾄﾙ画面表示</source>
        <translation>Show the title screen</translation>
    </message>
    <message>
        <source>効果音再生</source>
        <translation>Play sound effect</translation>
    </message>
    <message>
        <source>＝</source>
        <translation>=</translation>
    </message>
    <message>
        <source>＜</source>
        <translation>&lt;</translation>
    </message>
    <message>
        <source>＞</source>
        <translation>&gt;</translation>
    </message>
    <message>
        <source>= (代入)</source>
        <translation>= (assign)</translation>
    </message>
    <message>
        <source>+ (加算)</source>
        <translation>+ (add)</translation>
    </message>
    <message>
        <source>- (減算)</source>
        <translation>- (subtract)</translation>
    </message>
    <message>
        <source>魔法防御力</source>
        <translation>Magic defence</translation>
    </message>
    <message>
        <source>授受</source>
        <translation>Give and receive</translation>
    </message>
    <message>
        <source>売買</source>
        <translation>Buy and sell</translation>
    </message>
    <message>
        <source>ｲﾍﾞﾝﾄ前</source>
        <translation>Before the event</translation>
    </message>
    <message>
        <source>ｲﾍﾞﾝﾄ後</source>
        <translation>After the event</translation>
    </message>
    <message>
        <source>ﾌｪｰﾄﾞ</source>
        <translation>With the fade</translation>
    </message>
    <message>
        <source>BGM ﾘｽﾄ</source>
        <translation>BGM list</translation>
    </message>
    <message>
        <source>効果音 ﾘｽﾄ</source>
        <translation>Sound effect list</translation>
    </message>
    <message>
        <source>文章 ﾘｽﾄ</source>
        <translation>Text list</translation>
    </message>
    <message>
        <source>ｱﾆﾒ ﾘｽﾄ</source>
        <translation>Animation list</translation>
    </message>
    <message>
        <source>ｱｲﾃﾑ ﾘｽﾄ</source>
        <translation>Item list</translation>
    </message>
    <message>
        <source>選択画像</source>
        <translation>Selection images</translation>
    </message>
    <message>
        <source>ﾚﾍﾞﾙ ﾘｽﾄ</source>
        <translation>Level list</translation>
    </message>
    <message>
        <source>ﾚﾍﾞﾙ ｱｯﾌﾟ</source>
        <translation>Level up</translation>
    </message>
    <message>
        <source>魔法 ﾘｽﾄ</source>
        <translation>Magic list</translation>
    </message>
    <message>
        <source>顔画像 ﾘｽﾄ</source>
        <translation>Face image list</translation>
    </message>
    <message>
        <source>ﾅﾚｰｼｮﾝ ﾘｽﾄ</source>
        <translation>Narration list</translation>
    </message>
    <message>
        <source>ﾀｲﾄﾙ</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>基本設定</source>
        <translation>Basic settings</translation>
    </message>
    <message>
        <source>場面設定</source>
        <translation>Scene settings</translation>
    </message>
    <message>
        <source>ﾏｯﾌﾟ ｱﾆﾒ ﾘｽﾄ</source>
        <translation>Map animation list</translation>
    </message>
    <message>
        <source>ﾏｯﾌﾟ ｱﾆﾒ配置</source>
        <translation>Map animation placement</translation>
    </message>
    <message>
        <source>宝箱</source>
        <translation>Treasure chests</translation>
    </message>
    <message>
        <source>店</source>
        <translation>Shops</translation>
    </message>
    <message>
        <source>宿屋</source>
        <translation>Inns</translation>
    </message>
    <message>
        <source>立て札</source>
        <translation>Signposts</translation>
    </message>
    <message>
        <source>怪物 ﾘｽﾄ</source>
        <translation>Monster list</translation>
    </message>
    <message>
        <source>敵ﾕﾆｯﾄ ﾘｽﾄ</source>
        <translation>Enemy unit list</translation>
    </message>
    <message>
        <source>定位置戦闘</source>
        <translation>Fixed battles</translation>
    </message>
    <message>
        <source>ﾌｨｰﾙﾄﾞ戦闘</source>
        <translation>Field battles</translation>
    </message>
    <message>
        <source>ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ</source>
        <translation>Event commands</translation>
    </message>
    <message>
        <source>ﾙｰﾌﾟなし</source>
        <translation>No loop</translation>
    </message>
    <message>
        <source>ﾙｰﾌﾟ</source>
        <translation>Loop</translation>
    </message>
    <message>
        <source>1度だけ</source>
        <translation>Once</translation>
    </message>
    <message>
        <source>続行</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>魔法名に半角の空白やﾀﾌﾞは使えません（全角の空白は使えます）</source>
        <translation>Magic names cannot contain half-width spaces or tabs (full-width spaces are allowed)</translation>
    </message>
    <message>
        <source>魔法説明に半角の空白やﾀﾌﾞは使えません（全角の空白と改行は使えます）</source>
        <translation>Magic descriptions cannot contain half-width spaces or tabs (full-width spaces and line breaks are allowed)</translation>
    </message>
    <message>
        <source>魔法説明のある魔法には魔法名を付けてください</source>
        <translation>A magic with a description needs a magic name</translation>
    </message>
    <message>
        <source>（</source>
        <translation>(</translation>
    </message>
    <message>
        <source> ～ </source>
        <translation> – </translation>
    </message>
    <message>
        <source>）</source>
        <translation>)</translation>
    </message>
    <message>
        <source>歩</source>
        <translation>steps</translation>
    </message>
    <message>
        <source>×基本速度（ﾐﾘ秒）</source>
        <translation>× base speed (ms)</translation>
    </message>
    <message>
        <source>色</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>ｶﾗｰｷｰ</source>
        <translation>Colour key</translation>
    </message>
    <message>
        <source>名前に空白は使えません</source>
        <translation>Names cannot contain spaces</translation>
    </message>
    <message>
        <source>NPCｲﾍﾞﾝﾄｺﾏﾝﾄﾞｸﾞﾙｰﾌﾟ番号</source>
        <translation>NPC event command group number</translation>
    </message>
    <message>
        <source>宝箱ｲﾍﾞﾝﾄｺﾏﾝﾄﾞｸﾞﾙｰﾌﾟ番号</source>
        <translation>Treasure chest event command group number</translation>
    </message>
    <message>
        <source>場面変更ｲﾍﾞﾝﾄｺﾏﾝﾄﾞｸﾞﾙｰﾌﾟ番号</source>
        <translation>Scene change event command group number</translation>
    </message>
    <message>
        <source>宿屋ｲﾍﾞﾝﾄｺﾏﾝﾄﾞｸﾞﾙｰﾌﾟ番号</source>
        <translation>Inn event command group number</translation>
    </message>
    <message>
        <source>立て札ｲﾍﾞﾝﾄｺﾏﾝﾄﾞｸﾞﾙｰﾌﾟ番号</source>
        <translation>Signpost event command group number</translation>
    </message>
    <message>
        <source>定位置戦闘ｲﾍﾞﾝﾄｺﾏﾝﾄﾞｸﾞﾙｰﾌﾟ番号</source>
        <translation>Fixed battle event command group number</translation>
    </message>
    <message>
        <source>店ｲﾍﾞﾝﾄｺﾏﾝﾄﾞｸﾞﾙｰﾌﾟ番号</source>
        <translation>Shop event command group number</translation>
    </message>
    <message>
        <source>ロード画面背景</source>
        <translation>Load screen background</translation>
    </message>
    <message>
        <source>ゲームオーバー背景</source>
        <translation>Game-over background</translation>
    </message>
    <message>
        <source>レベルアップ背景</source>
        <translation>Level-up background</translation>
    </message>
    <message>
        <source>メニュー（ステータス）</source>
        <translation>Menu (status)</translation>
    </message>
    <message>
        <source>メニュー（装備）</source>
        <translation>Menu (equipment)</translation>
    </message>
    <message>
        <source>メニュー（魔法）</source>
        <translation>Menu (magic)</translation>
    </message>
    <message>
        <source>メニュー（道具）</source>
        <translation>Menu (items)</translation>
    </message>
    <message>
        <source>メニュー（捨てる）</source>
        <translation>Menu (discard)</translation>
    </message>
    <message>
        <source>メニュー（セーブ）</source>
        <translation>Menu (save)</translation>
    </message>
    <message>
        <source>メニュー（タイトルへ）</source>
        <translation>Menu (to title)</translation>
    </message>
    <message>
        <source>メニュー（終了）</source>
        <translation>Menu (quit)</translation>
    </message>
    <message>
        <source>メニュー（閉じる）</source>
        <translation>Menu (close)</translation>
    </message>
    <message>
        <source>店の下枠</source>
        <translation>Shop bottom frame</translation>
    </message>
    <message>
        <source>戦闘の下枠</source>
        <translation>Battle bottom frame</translation>
    </message>
    <message>
        <source>戦闘のアイテム枠</source>
        <translation>Battle item frame</translation>
    </message>
    <message>
        <source>会話枠（通常）</source>
        <translation>Talk frame (normal)</translation>
    </message>
    <message>
        <source>会話枠（選択肢）</source>
        <translation>Talk frame (choices)</translation>
    </message>
    <message>
        <source>会話枠（選択肢・所持金）</source>
        <translation>Talk frame (choices, money)</translation>
    </message>
    <message>
        <source>ロード画面</source>
        <translation>Load screen</translation>
    </message>
    <message>
        <source>レベルアップ</source>
        <translation>Level up</translation>
    </message>
    <message>
        <source>メニュー1</source>
        <translation>Menu 1</translation>
    </message>
    <message>
        <source>メニュー2</source>
        <translation>Menu 2</translation>
    </message>
    <message>
        <source>店（下枠）</source>
        <translation>Shop (bottom frame)</translation>
    </message>
    <message>
        <source>店（買う）</source>
        <translation>Shop (buy)</translation>
    </message>
    <message>
        <source>店（売る）</source>
        <translation>Shop (sell)</translation>
    </message>
    <message>
        <source>戦闘（下枠）</source>
        <translation>Battle (bottom frame)</translation>
    </message>
    <message>
        <source>戦闘（アイテム選択）</source>
        <translation>Battle (item choice)</translation>
    </message>
    <message>
        <source>会話枠</source>
        <translation>Talk frame</translation>
    </message>
    <message>
        <source>その他の装備品</source>
        <translation>Other equipment</translation>
    </message>
    <message>
        <source>回復系消耗品</source>
        <translation>Recovery consumable</translation>
    </message>
    <message>
        <source>能力値上昇系消耗品</source>
        <translation>Ability-raising consumable</translation>
    </message>
    <message>
        <source>その他の消耗品</source>
        <translation>Other consumable</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>ﾏｯﾌﾟ編集</source>
        <translation>Map editor</translation>
    </message>
    <message>
        <source>(なし)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>(見つかりません)</source>
        <translation>(not found)</translation>
    </message>
</context>
<context>
    <name>lw::AbilityUpDialog</name>
    <message>
        <source>ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(能力値ｱｯﾌﾟ)</source>
        <translation>Event command (ability up)</translation>
    </message>
    <message>
        <source>能力</source>
        <translation>Ability</translation>
    </message>
    <message>
        <source>上昇値</source>
        <translation>Increase</translation>
    </message>
    <message>
        <source>能力を選択してください</source>
        <translation>Please choose an ability</translation>
    </message>
</context>
<context>
    <name>lw::AddRemoveItemsDialog</name>
    <message>
        <source>ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(ｱｲﾃﾑの追加/削除)</source>
        <translation>Event command (add/remove items)</translation>
    </message>
    <message>
        <source>ｱｲﾃﾑ</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>個数</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>取引方法</source>
        <translation>Trade</translation>
    </message>
    <message>
        <source>ｱｲﾃﾑを選択してください</source>
        <translation>Please choose an item</translation>
    </message>
    <message>
        <source>符号を選択してください</source>
        <translation>Please choose a sign</translation>
    </message>
</context>
<context>
    <name>lw::AnimationCommandDialog</name>
    <message>
        <source>会話ｺﾏﾝﾄﾞ(ｱﾆﾒ表示)</source>
        <translation>Talk command (show animation)</translation>
    </message>
    <message>
        <source>ｱﾆﾒ番号</source>
        <translation>Animation number</translation>
    </message>
    <message>
        <source>画像表示</source>
        <translation>Show image</translation>
    </message>
    <message>
        <source>ｱﾆﾒ識別番号</source>
        <translation>Animation ID</translation>
    </message>
    <message>
        <source>ｱﾆﾒ種別</source>
        <translation>Animation kind</translation>
    </message>
    <message>
        <source>ｱﾆﾒ中の文字表示</source>
        <translation>Text during the animation</translation>
    </message>
    <message>
        <source>ｱﾆﾒ番号を選択してください</source>
        <translation>Please choose an animation number</translation>
    </message>
</context>
<context>
    <name>lw::AudioCommandDialog</name>
    <message>
        <source>BGM</source>
        <translation>BGM</translation>
    </message>
    <message>
        <source>効果音</source>
        <translation>Sound effect</translation>
    </message>
    <message>
        <source>再生時期</source>
        <translation>When</translation>
    </message>
</context>
<context>
    <name>lw::AudioListEditor</name>
    <message>
        <source>BGM ﾘｽﾄ</source>
        <translation>BGM list</translation>
    </message>
    <message>
        <source>効果音ﾘｽﾄ</source>
        <translation>Sound effect list</translation>
    </message>
    <message>
        <source>再生</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ</source>
        <translation>File</translation>
    </message>
</context>
<context>
    <name>lw::BackgroundCommandDialog</name>
    <message>
        <source>会話ｺﾏﾝﾄﾞ(背景画像)</source>
        <translation>Talk command (background image)</translation>
    </message>
    <message>
        <source>背景画像</source>
        <translation>Background image</translation>
    </message>
</context>
<context>
    <name>lw::BasicSettingsEditor</name>
    <message>
        <source>基本設定</source>
        <translation>Basic settings</translation>
    </message>
</context>
<context>
    <name>lw::BattleCommandDialog</name>
    <message>
        <source>ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(戦闘)</source>
        <translation>Event command (battle)</translation>
    </message>
    <message>
        <source>敵ﾕﾆｯﾄ</source>
        <translation>Enemy unit</translation>
    </message>
    <message>
        <source>会話文(戦闘前)</source>
        <translation>Talk (before the battle)</translation>
    </message>
    <message>
        <source>会話文(戦闘後)</source>
        <translation>Talk (after the battle)</translation>
    </message>
    <message>
        <source>会話速度</source>
        <translation>Talk speed</translation>
    </message>
    <message>
        <source>逃げる</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>背景画像</source>
        <translation>Background image</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>戦闘後のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ</source>
        <translation>Event commands after the battle</translation>
    </message>
    <message>
        <source>空白を含む名前の画像は使えません。
ﾌｧｲﾙ名を変えてから選択してください</source>
        <translation>Images whose names contain spaces cannot be used.
Rename the file, then choose it again</translation>
    </message>
    <message>
        <source>背景画像のﾌｧｲﾙ名</source>
        <translation>Background image file name</translation>
    </message>
</context>
<context>
    <name>lw::ChangeMoneyCommandDialog</name>
    <message>
        <source>ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(所持金の増減)</source>
        <translation>Event command (increase/decrease money)</translation>
    </message>
    <message>
        <source>金額</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>終了時のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ</source>
        <translation>Event commands when done</translation>
    </message>
    <message>
        <source>所持金不足時のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ</source>
        <translation>Event commands when money is short</translation>
    </message>
    <message>
        <source>符号を選択してください</source>
        <translation>Please choose a sign</translation>
    </message>
</context>
<context>
    <name>lw::CheckWindow</name>
    <message>
        <source>ﾌﾟﾛｼﾞｪｸﾄ検査</source>
        <translation>Check project</translation>
    </message>
    <message>
        <source>種類(&amp;K)</source>
        <translation>&amp;Kind</translation>
    </message>
    <message>
        <source>すべて</source>
        <translation>All</translation>
    </message>
    <message>
        <source>ｴﾗｰのみ</source>
        <translation>Errors only</translation>
    </message>
    <message>
        <source>警告のみ</source>
        <translation>Warnings only</translation>
    </message>
    <message>
        <source>表示する種類</source>
        <translation>Kinds to show</translation>
    </message>
    <message>
        <source>絞り込み(&amp;F)</source>
        <translation>&amp;Filter</translation>
    </message>
    <message>
        <source>絞り込む文字列</source>
        <translation>Text to filter by</translation>
    </message>
    <message>
        <source>再検査(&amp;R)</source>
        <translation>&amp;Recheck</translation>
    </message>
    <message>
        <source>再検査</source>
        <translation>Recheck</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ / 場所</source>
        <translation>File / place</translation>
    </message>
    <message>
        <source>種類</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>内容</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>問題の一覧</source>
        <translation>List of problems</translation>
    </message>
    <message>
        <source>検査の結果</source>
        <translation>Check results</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>検査しています...</source>
        <translation>Checking...</translation>
    </message>
    <message>
        <source>(ﾌｧｲﾙ全体)</source>
        <translation>(whole file)</translation>
    </message>
    <message>
        <source>ｴﾗｰ</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>問題は見つかりませんでした。</source>
        <translation>No problems were found.</translation>
    </message>
    <message>
        <source>ｴﾗｰ %1 件、警告 %2 件（表示 %3 件）</source>
        <translation>%1 errors, %2 warnings (%3 shown)</translation>
    </message>
    <message>
        <source>このﾌｧｲﾙを編集する画面はありません。</source>
        <translation>There is no editor for this file.</translation>
    </message>
    <message>
        <source>「%1」の編集画面はまだ用意されていません。</source>
        <translation>There is no editor for &quot;%1&quot; yet.</translation>
    </message>
</context>
<context>
    <name>lw::ChestPlacementDialog</name>
    <message>
        <source>宝箱配置</source>
        <translation>Treasure chest placement</translation>
    </message>
    <message>
        <source>場面を選択してください</source>
        <translation>Please choose a scene</translation>
    </message>
</context>
<context>
    <name>lw::ChipPalette</name>
    <message>
        <source>ﾁｯﾌﾟ ﾊﾟﾚｯﾄ</source>
        <translation>Chip palette</translation>
    </message>
    <message>
        <source>ﾁｯﾌﾟ %1</source>
        <translation>Chip %1</translation>
    </message>
</context>
<context>
    <name>lw::CommandDialog</name>
    <message>
        <source>%1 がありません</source>
        <translation>%1 does not exist</translation>
    </message>
    <message>
        <source>再生</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
</context>
<context>
    <name>lw::DiscardGuard</name>
    <message>
        <source>変更を破棄しますか？</source>
        <translation>Discard the changes?</translation>
    </message>
</context>
<context>
    <name>lw::DrawingGroup</name>
    <message>
        <source>描画</source>
        <translation>Drawing</translation>
    </message>
    <message>
        <source>不透明</source>
        <translation>Opaque</translation>
    </message>
    <message>
        <source>加算</source>
        <translation>Additive</translation>
    </message>
    <message>
        <source>透明度</source>
        <translation>Alpha</translation>
    </message>
    <message>
        <source>ｶﾗｰｷｰあり</source>
        <translation>Colour key on</translation>
    </message>
    <message>
        <source>ｶﾗｰｷｰ</source>
        <translation>Colour key</translation>
    </message>
    <message>
        <source>赤</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>緑</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>青</source>
        <translation>Blue</translation>
    </message>
</context>
<context>
    <name>lw::EarthquakeCommandDialog</name>
    <message>
        <source>会話ｺﾏﾝﾄﾞ(地震)</source>
        <translation>Talk command (earthquake)</translation>
    </message>
    <message>
        <source>ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(地震)</source>
        <translation>Event command (earthquake)</translation>
    </message>
    <message>
        <source>速度</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>回数</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>振幅</source>
        <translation>Amplitude</translation>
    </message>
    <message>
        <source>地震後のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ</source>
        <translation>Event commands after the earthquake</translation>
    </message>
</context>
<context>
    <name>lw::EffectListEditor</name>
    <message>
        <source>ｱﾆﾒ ﾘｽﾄ1</source>
        <translation>Animation list 1</translation>
    </message>
    <message>
        <source>これ以上、追加できません</source>
        <translation>No more can be added</translation>
    </message>
</context>
<context>
    <name>lw::EffectOrderStep</name>
    <message>
        <source>次へ</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>ｱﾆﾒﾁｯﾌﾟの順番</source>
        <translation>Order of the animation chips</translation>
    </message>
    <message>
        <source>更新</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>これ以上、追加できません</source>
        <translation>No more can be added</translation>
    </message>
</context>
<context>
    <name>lw::EffectPositionStep</name>
    <message>
        <source>ｱﾆﾒﾁｯﾌﾟの表示位置</source>
        <translation>Positions of the animation chips</translation>
    </message>
    <message>
        <source>背景</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>更新</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>Show</translation>
    </message>
</context>
<context>
    <name>lw::EffectSettingsStep</name>
    <message>
        <source>ｱﾆﾒ ﾘｽﾄ2</source>
        <translation>Animation list 2</translation>
    </message>
    <message>
        <source>ｱﾆﾒ名</source>
        <translation>Animation name</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>画像</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>速度</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>元画像内の領域</source>
        <translation>Area in the source image</translation>
    </message>
    <message>
        <source>左上X座標</source>
        <translation>Top-left X</translation>
    </message>
    <message>
        <source>左上Y座標</source>
        <translation>Top-left Y</translation>
    </message>
    <message>
        <source>幅</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>高さ</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>1ｺﾏの画像ｻｲｽﾞ</source>
        <translation>Image size of one frame</translation>
    </message>
    <message>
        <source>次へ</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>1ｺﾏの画像ｻｲｽﾞは1以上に設定してください</source>
        <translation>Set the image size of one frame to 1 or more</translation>
    </message>
    <message>
        <source>画像を選択してください</source>
        <translation>Please choose an image</translation>
    </message>
    <message>
        <source>空白を含む名前の画像は使えません。
ﾌｧｲﾙ名を変えてから選択してください</source>
        <translation>Images whose names contain spaces cannot be used.
Rename the file, then choose it again</translation>
    </message>
    <message>
        <source>ｱﾆﾒ名に改行は使えません</source>
        <translation>Animation names cannot contain line breaks</translation>
    </message>
    <message>
        <source>このｱﾆﾒ名は使えません</source>
        <translation>This animation name cannot be used</translation>
    </message>
</context>
<context>
    <name>lw::EnemyRatesDialog</name>
    <message>
        <source>敵ﾕﾆｯﾄ出現率</source>
        <translation>Enemy unit appearance rates</translation>
    </message>
    <message>
        <source>出現率</source>
        <translation>Appearance rate</translation>
    </message>
    <message>
        <source>次へ</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>出現率の総和は、100% にしてください</source>
        <translation>Make the appearance rates add up to 100%</translation>
    </message>
</context>
<context>
    <name>lw::EnemyUnitListEditor</name>
    <message>
        <source>敵ﾕﾆｯﾄ ﾘｽﾄ1</source>
        <translation>Enemy unit list 1</translation>
    </message>
</context>
<context>
    <name>lw::EnemyUnitNameDialog</name>
    <message>
        <source>敵ﾕﾆｯﾄ名（省略可）</source>
        <translation>Enemy unit name (optional)</translation>
    </message>
    <message>
        <source>敵ﾕﾆｯﾄ名</source>
        <translation>Enemy unit name</translation>
    </message>
</context>
<context>
    <name>lw::EquipDialog</name>
    <message>
        <source>ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(装備の設定・解除)</source>
        <translation>Event command (set/remove equipment)</translation>
    </message>
    <message>
        <source>装備の種別</source>
        <translation>Equipment kind</translation>
    </message>
    <message>
        <source>装備するｱｲﾃﾑ</source>
        <translation>Item to equip</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>装備の種別を選択してください</source>
        <translation>Please choose an equipment kind</translation>
    </message>
</context>
<context>
    <name>lw::EventCommandEditor</name>
    <message>
        <source>ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ</source>
        <translation>Event commands</translation>
    </message>
    <message>
        <source>場面</source>
        <translation>Scene</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>ｸﾞﾙｰﾌﾟ番号</source>
        <translation>Group number</translation>
    </message>
    <message>
        <source>ｸﾞﾙｰﾌﾟ数</source>
        <translation>Number of groups</translation>
    </message>
    <message>
        <source>説明</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>ｺﾏﾝﾄﾞ</source>
        <translation>Commands</translation>
    </message>
    <message>
        <source>元に戻す</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>所有者のｸﾞﾙｰﾌﾟ</source>
        <translation>Owner group</translation>
    </message>
    <message>
        <source>ｸﾞﾙｰﾌﾟ</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>上へ移動</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>下へ移動</source>
        <translation>Move down</translation>
    </message>
</context>
<context>
    <name>lw::FaceCommandDialog</name>
    <message>
        <source>会話ｺﾏﾝﾄﾞ(顔画像)</source>
        <translation>Talk command (face image)</translation>
    </message>
    <message>
        <source>ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(会話の顔画像)</source>
        <translation>Event command (face image for talk)</translation>
    </message>
    <message>
        <source>顔画像</source>
        <translation>Face image</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
</context>
<context>
    <name>lw::FaceDialog</name>
    <message>
        <source>顔画像(ﾒﾆｭｰ用)</source>
        <translation>Face image (for menus)</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>元画像内の領域</source>
        <translation>Area in the source image</translation>
    </message>
    <message>
        <source>左上X座標</source>
        <translation>Top-left X</translation>
    </message>
    <message>
        <source>左上Y座標</source>
        <translation>Top-left Y</translation>
    </message>
    <message>
        <source>幅</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>高さ</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>次へ</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>空白を含む名前の画像は使えません。
ﾌｧｲﾙ名を変えてから選択してください</source>
        <translation>Images whose names contain spaces cannot be used.
Rename the file, then choose it again</translation>
    </message>
    <message>
        <source>画像ｻｲｽﾞは1以上に設定してください</source>
        <translation>Set the image size to 1 or more</translation>
    </message>
    <message>
        <source>画像を選択してください</source>
        <translation>Please choose an image</translation>
    </message>
    <message>
        <source>画像ﾌｧｲﾙ</source>
        <translation>Image file</translation>
    </message>
</context>
<context>
    <name>lw::FaceListEditor</name>
    <message>
        <source>顔画像ﾘｽﾄ</source>
        <translation>Face image list</translation>
    </message>
</context>
<context>
    <name>lw::FieldBattleDialog</name>
    <message>
        <source>ﾌｨｰﾙﾄﾞ戦闘2</source>
        <translation>Field battle 2</translation>
    </message>
    <message>
        <source>追加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>更新</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>敵ﾕﾆｯﾄ</source>
        <translation>Enemy unit</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>出現率</source>
        <translation>Appearance rate</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>背景</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>次へ</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>ﾌｨｰﾙﾄﾞ戦闘は1つの場面に%1個までです。これ以上追加できません。</source>
        <translation>A scene can hold at most %1 field battles. No more can be added.</translation>
    </message>
    <message>
        <source>敵ﾕﾆｯﾄを選択してください</source>
        <translation>Please choose an enemy unit</translation>
    </message>
    <message>
        <source>背景のﾌｧｲﾙ名に空白は使えません</source>
        <translation>Background file names cannot contain spaces</translation>
    </message>
</context>
<context>
    <name>lw::FlagChooser</name>
    <message>
        <source>ｲﾍﾞﾝﾄﾌﾗｸﾞ</source>
        <translation>Event flag</translation>
    </message>
    <message>
        <source>説明</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>使用箇所...</source>
        <translation>Usages...</translation>
    </message>
    <message>
        <source>選択したﾌﾗｸﾞの使用箇所</source>
        <translation>Usages of the selected flag</translation>
    </message>
    <message>
        <source>ﾌﾗｸﾞ %1</source>
        <translation>Flag %1</translation>
    </message>
    <message>
        <source>ﾌﾗｸﾞ</source>
        <translation>Flag</translation>
    </message>
    <message>
        <source>未使用のみ</source>
        <translation>Unused only</translation>
    </message>
    <message>
        <source>保存済みのﾌｧｲﾙのどこからも使われていないﾌﾗｸﾞだけを示します</source>
        <translation>Shows only the flags that no saved file uses</translation>
    </message>
</context>
<context>
    <name>lw::FlagCommandDialog</name>
    <message>
        <source>もし</source>
        <translation>If</translation>
    </message>
    <message>
        <source>数値</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>ならば</source>
        <translation>then</translation>
    </message>
    <message>
        <source>ｱｲﾃﾑ</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>ﾌﾗｸﾞ番号を選択してください</source>
        <translation>Please choose a flag number</translation>
    </message>
    <message>
        <source>不等号を選択してください</source>
        <translation>Please choose a comparison</translation>
    </message>
    <message>
        <source>符号を選択してください</source>
        <translation>Please choose a sign</translation>
    </message>
    <message>
        <source>ｱｲﾃﾑを選択してください</source>
        <translation>Please choose an item</translation>
    </message>
    <message>
        <source>不等号</source>
        <translation>Comparison</translation>
    </message>
    <message>
        <source>符号</source>
        <translation>Sign</translation>
    </message>
</context>
<context>
    <name>lw::FormationDialog</name>
    <message>
        <source>敵ﾕﾆｯﾄ ﾘｽﾄ3</source>
        <translation>Enemy unit list 3</translation>
    </message>
    <message>
        <source>ﾎﾞｽ</source>
        <translation>Boss</translation>
    </message>
    <message>
        <source>BGM再生</source>
        <translation>Play BGM</translation>
    </message>
    <message>
        <source>BGM</source>
        <translation>BGM</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>出現率</source>
        <translation>Appearance rate</translation>
    </message>
    <message>
        <source>個数</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>仮画</source>
        <translation>Backdrop</translation>
    </message>
</context>
<context>
    <name>lw::FormationListDialog</name>
    <message>
        <source>敵ﾕﾆｯﾄ ﾘｽﾄ2</source>
        <translation>Enemy unit list 2</translation>
    </message>
    <message>
        <source>追加...</source>
        <translation>Add...</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>次へ</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>1つの敵ﾕﾆｯﾄに登録できる編成は 32 個までです</source>
        <translation>An enemy unit can hold at most 32 formations</translation>
    </message>
</context>
<context>
    <name>lw::GroupChooser</name>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>説明</source>
        <translation>Description</translation>
    </message>
</context>
<context>
    <name>lw::HubDialog</name>
    <message>
        <source>ﾒﾆｭｰ</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>「%1」の編集画面はまだ用意されていません。</source>
        <translation>There is no editor for &quot;%1&quot; yet.</translation>
    </message>
    <message>
        <source>ﾌﾟﾛｼﾞｪｸﾄ検査</source>
        <translation>Check project</translation>
    </message>
    <message>
        <source>%1 が必要です</source>
        <translation>Needs %1</translation>
    </message>
    <message>
        <source> と </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Ctrl+%1 %2</source>
        <translation>Ctrl+%1 %2</translation>
    </message>
    <message>
        <source>Ctrl+0 %1</source>
        <translation>Ctrl+0 %1</translation>
    </message>
    <message>
        <source>&#x3000;</source>
        <translation>   </translation>
    </message>
    <message>
        <source>ｼｮｰﾄｶｯﾄｷｰ</source>
        <translation>Shortcut keys</translation>
    </message>
</context>
<context>
    <name>lw::ImageTableEditor</name>
    <message>
        <source>背景画像</source>
        <translation>Background image</translation>
    </message>
    <message>
        <source>ｶｰｿﾙ画像</source>
        <translation>Cursor images</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>画像ﾌｧｲﾙ</source>
        <translation>Image file</translation>
    </message>
</context>
<context>
    <name>lw::ImageView</name>
    <message>
        <source>色選択（画像をｸﾘｯｸ）</source>
        <translation>Pick a colour (click the image)</translation>
    </message>
</context>
<context>
    <name>lw::ItemListEditor</name>
    <message>
        <source>ｱｲﾃﾑ ﾘｽﾄ</source>
        <translation>Item list</translation>
    </message>
    <message>
        <source>更新</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>ｱｲﾃﾑ名</source>
        <translation>Item name</translation>
    </message>
    <message>
        <source>種別</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>廃棄・売却不可</source>
        <translation>Cannot be discarded or sold</translation>
    </message>
    <message>
        <source>能力値</source>
        <translation>Abilities</translation>
    </message>
    <message>
        <source>健康状態</source>
        <translation>Health state</translation>
    </message>
    <message>
        <source>画像表示</source>
        <translation>Show image</translation>
    </message>
    <message>
        <source>武器ｱﾆﾒ</source>
        <translation>Weapon animation</translation>
    </message>
    <message>
        <source>MIDI・WAVE再生</source>
        <translation>Play MIDI/WAVE</translation>
    </message>
    <message>
        <source>効果音</source>
        <translation>Sound effect</translation>
    </message>
    <message>
        <source>金額</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>説明</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>説明に使えない文字があります</source>
        <translation>The description has characters that cannot be used</translation>
    </message>
    <message>
        <source>説明が長すぎます（%1ﾊﾞｲﾄまで）</source>
        <translation>The description is too long (at most %1 bytes)</translation>
    </message>
    <message>
        <source>ｱｲﾃﾑ名がありません</source>
        <translation>The item has no name</translation>
    </message>
    <message>
        <source>ｱｲﾃﾑ名に空白は使えません</source>
        <translation>Item names cannot contain spaces</translation>
    </message>
    <message>
        <source>[種別]を指定してください</source>
        <translation>Please choose a [Kind]</translation>
    </message>
    <message>
        <source>説明に半角の空白やﾀﾌﾞは使えません（全角の空白は使えます）</source>
        <translation>Descriptions cannot contain half-width spaces or tabs (full-width spaces are allowed)</translation>
    </message>
</context>
<context>
    <name>lw::LevelListEditor</name>
    <message>
        <source>ﾚﾍﾞﾙﾘｽﾄ</source>
        <translation>Level list</translation>
    </message>
    <message>
        <source>ﾚﾍﾞﾙ</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>経験点</source>
        <translation>Experience points</translation>
    </message>
    <message>
        <source>更新</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>必要経験点</source>
        <translation>Required experience</translation>
    </message>
    <message>
        <source>最大ﾚﾍﾞﾙ</source>
        <translation>Max level</translation>
    </message>
</context>
<context>
    <name>lw::LevelUpEditor</name>
    <message>
        <source>ﾚﾍﾞﾙｱｯﾌﾟの能力値上昇</source>
        <translation>Ability increase at level-up</translation>
    </message>
    <message>
        <source>案内文</source>
        <translation>Guidance text</translation>
    </message>
    <message>
        <source>更新</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>型名</source>
        <translation>Type name</translation>
    </message>
    <message>
        <source>敏捷度</source>
        <translation>Agility</translation>
    </message>
    <message>
        <source>回避力</source>
        <translation>Evasion</translation>
    </message>
    <message>
        <source>攻撃力</source>
        <translation>Attack</translation>
    </message>
    <message>
        <source>肉体防御力</source>
        <translation>Physical defence</translation>
    </message>
    <message>
        <source>魔力</source>
        <translation>Magic power</translation>
    </message>
    <message>
        <source>魔法防御力</source>
        <translation>Magic defence</translation>
    </message>
    <message>
        <source>生命点</source>
        <translation>Life points</translation>
    </message>
    <message>
        <source>精神点</source>
        <translation>Mind points</translation>
    </message>
    <message>
        <source>型名がありません</source>
        <translation>The type has no name</translation>
    </message>
    <message>
        <source>型名に空白は使えません</source>
        <translation>Type names cannot contain spaces</translation>
    </message>
</context>
<context>
    <name>lw::ListEditorPanel</name>
    <message>
        <source>追加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>編集...</source>
        <translation>Edit...</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>上へ移動</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>下へ移動</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>使用箇所...</source>
        <translation>Usages...</translation>
    </message>
    <message>
        <source>選択した行の使用箇所</source>
        <translation>Usages of the selected row</translation>
    </message>
</context>
<context>
    <name>lw::ListFilter</name>
    <message>
        <source>絞り込み</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>番号または文字</source>
        <translation>Number or text</translation>
    </message>
    <message>
        <source>%1の絞り込み</source>
        <translation>Filter %1</translation>
    </message>
    <message>
        <source>該当なし</source>
        <translation>No match</translation>
    </message>
    <message>
        <source>絞り込みの結果</source>
        <translation>Filter result</translation>
    </message>
</context>
<context>
    <name>lw::MagicLearnFlagDialog</name>
    <message>
        <source>ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(魔法修得可能ﾌﾗｸﾞ)</source>
        <translation>Event command (magic learnable flag)</translation>
    </message>
    <message>
        <source>魔法</source>
        <translation>Magic</translation>
    </message>
    <message>
        <source>修得</source>
        <translation>Learning</translation>
    </message>
    <message>
        <source>可</source>
        <translation>Allowed</translation>
    </message>
    <message>
        <source>不可</source>
        <translation>Not allowed</translation>
    </message>
    <message>
        <source>魔法を選択してください</source>
        <translation>Please choose a magic</translation>
    </message>
</context>
<context>
    <name>lw::MagicListEditor</name>
    <message>
        <source>魔法ﾘｽﾄ1</source>
        <translation>Magic list 1</translation>
    </message>
</context>
<context>
    <name>lw::MagicPropertyEditor</name>
    <message>
        <source>魔法ﾘｽﾄ2</source>
        <translation>Magic list 2</translation>
    </message>
</context>
<context>
    <name>lw::MainWindow</name>
    <message>
        <source>新規...</source>
        <translation>New...</translation>
    </message>
    <message>
        <source>開く...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Exit</translation>
    </message>
</context>
<context>
    <name>lw::MapAnimationListEditor</name>
    <message>
        <source>ﾏｯﾌﾟｱﾆﾒ</source>
        <translation>Map animation</translation>
    </message>
</context>
<context>
    <name>lw::MapAnimationSequenceStep</name>
    <message>
        <source>ﾏｯﾌﾟｱﾆﾒ3</source>
        <translation>Map animation 3</translation>
    </message>
    <message>
        <source>追加...</source>
        <translation>Add...</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>これ以上、追加できません</source>
        <translation>No more can be added</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>lw::MapAnimationSettingsStep</name>
    <message>
        <source>ﾏｯﾌﾟｱﾆﾒ2</source>
        <translation>Map animation 2</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>画像</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>1ｺﾏの画像ｻｲｽﾞ</source>
        <translation>Image size of one frame</translation>
    </message>
    <message>
        <source>幅</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>高さ</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>速度</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>次へ</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>1ｺﾏの画像ｻｲｽﾞは1以上に設定してください</source>
        <translation>Set the image size of one frame to 1 or more</translation>
    </message>
    <message>
        <source>画像を選択してください</source>
        <translation>Please choose an image</translation>
    </message>
    <message>
        <source>空白を含む名前の画像は使えません。
ﾌｧｲﾙ名を変えてから選択してください</source>
        <translation>Images whose names contain spaces cannot be used.
Rename the file, then choose it again</translation>
    </message>
</context>
<context>
    <name>lw::MapCanvas</name>
    <message>
        <source>ﾏｯﾌﾟ</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>矢印ｷｰでｾﾙを選び、ｽﾍﾟｰｽｷｰで描きます。</source>
        <translation>Choose a cell with the arrow keys and draw with the Space key.</translation>
    </message>
</context>
<context>
    <name>lw::MapEditor</name>
    <message>
        <source>ﾏｯﾌﾟ編集</source>
        <translation>Map editor</translation>
    </message>
    <message>
        <source>新規...</source>
        <translation>New...</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>ｻｲｽﾞ変更...</source>
        <translation>Resize...</translation>
    </message>
    <message>
        <source>ﾏｯﾌﾟ ﾌｧｲﾙ名</source>
        <translation>Map file name</translation>
    </message>
    <message>
        <source>場面</source>
        <translation>Scene</translation>
    </message>
    <message>
        <source>背景ﾁｯﾌﾟｾｯﾄ名</source>
        <translation>Background chip set name</translation>
    </message>
    <message>
        <source>ﾚｲﾔｰﾁｯﾌﾟｾｯﾄ名</source>
        <translation>Layer chip set name</translation>
    </message>
    <message>
        <source>ﾂｰﾙ</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>ﾍﾟﾝ</source>
        <translation>Pen</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>塗りつぶし</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>消しゴム</source>
        <translation>Eraser</translation>
    </message>
    <message>
        <source>範囲選択</source>
        <translation>Select area</translation>
    </message>
    <message>
        <source>ｺﾋﾟｰ</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>貼り付け</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>両ﾚｲﾔｰ</source>
        <translation>Both layers</translation>
    </message>
    <message>
        <source>両ﾚｲﾔｰをｺﾋﾟｰ</source>
        <translation>Copy both layers</translation>
    </message>
    <message>
        <source>ﾚｲﾔｰ</source>
        <translation>Layers</translation>
    </message>
    <message>
        <source>ﾚｲﾔｰ%1</source>
        <translation>Layer %1</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>薄く表示</source>
        <translation>Show faintly</translation>
    </message>
    <message>
        <source>非表示</source>
        <translation>Hide</translation>
    </message>
    <message>
        <source>他のﾚｲﾔｰ</source>
        <translation>Other layers</translation>
    </message>
    <message>
        <source>ｸﾞﾘｯﾄﾞ</source>
        <translation>Grid</translation>
    </message>
    <message>
        <source>倍率</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>元に戻す</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>やり直し</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>ﾁｯﾌﾟ番号</source>
        <translation>Chip number</translation>
    </message>
    <message>
        <source>状態</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>ﾏｯﾌﾟの変更が保存されていません。
変更を破棄しますか？</source>
        <translation>The changes to the map have not been saved.
Discard the changes?</translation>
    </message>
    <message>
        <source>ﾏｯﾌﾟ ﾌｧｲﾙ「%1」がありません。「新規...」で作ることができます。</source>
        <translation>The map file &quot;%1&quot; does not exist. You can create it with &quot;New...&quot;.</translation>
    </message>
    <message>
        <source>ﾏｯﾌﾟ ﾌｧｲﾙ「%1」を読み込めません（短すぎる、大きすぎる、または読めないﾌｧｲﾙです）。
このﾌｧｲﾙには保存しません。</source>
        <translation>The map file &quot;%1&quot; cannot be read (it is too short, too large, or unreadable).
Nothing will be saved to this file.</translation>
    </message>
    <message>
        <source>「%1」は読み込めないﾌｧｲﾙです。上書きしません。</source>
        <translation>&quot;%1&quot; is a file that cannot be read. It will not be overwritten.</translation>
    </message>
    <message>
        <source>ﾏｯﾌﾟがありません</source>
        <translation>No map</translation>
    </message>
    <message>
        <source>「%1」を読み込めません</source>
        <translation>Cannot read &quot;%1&quot;</translation>
    </message>
    <message>
        <source>「%1」がありません</source>
        <translation>&quot;%1&quot; does not exist</translation>
    </message>
    <message>
        <source>%1 × %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>X %1  Y %2   ﾚｲﾔｰ0: %3  ﾚｲﾔｰ1: %4</source>
        <translation>X %1  Y %2   Layer 0: %3  Layer 1: %4</translation>
    </message>
    <message>
        <source>未保存の変更があります</source>
        <translation>There are unsaved changes</translation>
    </message>
</context>
<context>
    <name>lw::MapSizeDialog</name>
    <message>
        <source>ﾏｯﾌﾟ新規作成</source>
        <translation>New map</translation>
    </message>
    <message>
        <source>ﾏｯﾌﾟｻｲｽﾞ変更</source>
        <translation>Resize map</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ名</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>幅</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>高さ</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>塗るﾁｯﾌﾟ</source>
        <translation>Chip to fill with</translation>
    </message>
    <message>
        <source>新しいｾﾙのﾁｯﾌﾟ</source>
        <translation>Chip for new cells</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ名を入力してください（空白、&quot;/&quot;、&quot;\&quot; は使えません）。</source>
        <translation>Please enter a file name (spaces, &quot;/&quot; and &quot;\&quot; are not allowed).</translation>
    </message>
    <message>
        <source>ﾏｯﾌﾟが大きすぎます（幅 × 高さは %1 ｾﾙまでです）。</source>
        <translation>The map is too large (width × height can be at most %1 cells).</translation>
    </message>
</context>
<context>
    <name>lw::MonsterFocusDialog</name>
    <message>
        <source>ﾌｫｰｶｽ座標</source>
        <translation>Focus position</translation>
    </message>
</context>
<context>
    <name>lw::MonsterListEditor</name>
    <message>
        <source>怪物ﾘｽﾄ1</source>
        <translation>Monster list 1</translation>
    </message>
</context>
<context>
    <name>lw::MonsterPropertyDialog</name>
    <message>
        <source>怪物ﾘｽﾄ2</source>
        <translation>Monster list 2</translation>
    </message>
    <message>
        <source>次へ</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>怪物名を入力してください</source>
        <translation>Please enter a monster name</translation>
    </message>
    <message>
        <source>怪物画像を選択してください</source>
        <translation>Please choose a monster picture</translation>
    </message>
</context>
<context>
    <name>lw::NarrationDialog</name>
    <message>
        <source>ﾅﾚｰｼｮﾝ ﾘｽﾄ2</source>
        <translation>Narration list 2</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>画像</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>再生</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>文章</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Letters</translation>
    </message>
    <message>
        <source>ｻｲｽﾞ</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>速度</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>文字表示矩形</source>
        <translation>Text rectangle</translation>
    </message>
    <message>
        <source>左</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>上</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>右</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>下</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>文字描画待ち時間</source>
        <translation>Wait while drawing text</translation>
    </message>
    <message>
        <source>/10秒</source>
        <translation>/10 s</translation>
    </message>
    <message>
        <source>最終ﾍﾟｰｼﾞ表示時間</source>
        <translation>Last page display time</translation>
    </message>
    <message>
        <source>文字色</source>
        <translation>Text colour</translation>
    </message>
    <message>
        <source>赤</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>緑</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>青</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>画像を選択してください</source>
        <translation>Please choose an image</translation>
    </message>
    <message>
        <source>空白を含む名前の画像は使えません。
ﾌｧｲﾙ名を変えてから選択してください</source>
        <translation>Images whose names contain spaces cannot be used.
Rename the file, then choose it again</translation>
    </message>
</context>
<context>
    <name>lw::NarrationListEditor</name>
    <message>
        <source>ﾅﾚｰｼｮﾝﾘｽﾄ1</source>
        <translation>Narration list 1</translation>
    </message>
</context>
<context>
    <name>lw::NewProjectDialog</name>
    <message>
        <source>新規作成</source>
        <translation>New project</translation>
    </message>
    <message>
        <source>ｹﾞｰﾑ ﾌｫﾙﾀﾞ名</source>
        <translation>Game folder name</translation>
    </message>
    <message>
        <source>画像ﾌｫﾙﾀﾞ名</source>
        <translation>Image folder name</translation>
    </message>
    <message>
        <source>音楽ﾌｫﾙﾀﾞ名</source>
        <translation>Audio folder name</translation>
    </message>
    <message>
        <source>ﾃﾞｰﾀ ﾌｫﾙﾀﾞ名</source>
        <translation>Data folder name</translation>
    </message>
    <message>
        <source>待ち画像ﾌｧｲﾙ名</source>
        <translation>Waiting image file name</translation>
    </message>
    <message>
        <source>OK...</source>
        <translation>OK...</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>lw::NpcListEditor</name>
    <message>
        <source>NPC設定1</source>
        <translation>NPC settings 1</translation>
    </message>
</context>
<context>
    <name>lw::NpcPlacementDialog</name>
    <message>
        <source>NPC配置</source>
        <translation>NPC placement</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>移動範囲中心位置</source>
        <translation>Centre of the walking range</translation>
    </message>
    <message>
        <source>移動範囲</source>
        <translation>Walking range</translation>
    </message>
</context>
<context>
    <name>lw::NpcSettingsDialog</name>
    <message>
        <source>NPC設定2</source>
        <translation>NPC settings 2</translation>
    </message>
    <message>
        <source>次へ</source>
        <translation>Next</translation>
    </message>
</context>
<context>
    <name>lw::NpcWalkStep</name>
    <message>
        <source>ｱﾆﾒﾁｯﾌﾟの順番</source>
        <translation>Order of the animation chips</translation>
    </message>
    <message>
        <source>歩く順番 (ｼｰﾄの列 0 ～ 2)</source>
        <translation>Walking order (sheet column 0 to 2)</translation>
    </message>
    <message>
        <source>1歩目の列</source>
        <translation>Column of step 1</translation>
    </message>
    <message>
        <source>2歩目の列</source>
        <translation>Column of step 2</translation>
    </message>
    <message>
        <source>3歩目の列</source>
        <translation>Column of step 3</translation>
    </message>
    <message>
        <source>4歩目の列</source>
        <translation>Column of step 4</translation>
    </message>
    <message>
        <source>向きごとの行 (ｼｰﾄの行 0 ～ 3)</source>
        <translation>Row per facing (sheet row 0 to 3)</translation>
    </message>
    <message>
        <source>下向きの行</source>
        <translation>Row facing down</translation>
    </message>
    <message>
        <source>左向きの行</source>
        <translation>Row facing left</translation>
    </message>
    <message>
        <source>右向きの行</source>
        <translation>Row facing right</translation>
    </message>
    <message>
        <source>上向きの行</source>
        <translation>Row facing up</translation>
    </message>
    <message>
        <source>ﾌﾟﾚﾋﾞｭｰの向き</source>
        <translation>Facing in the preview</translation>
    </message>
    <message>
        <source>下</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>左</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>右</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>上</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>初期値</source>
        <translation>Defaults</translation>
    </message>
    <message>
        <source>新しいNPCの順番 (1 2 1 0、行 0 1 2 3) に戻します</source>
        <translation>Back to the order a new NPC starts with (1 2 1 0, rows 0 1 2 3)</translation>
    </message>
    <message>
        <source>次へ</source>
        <translation>Next</translation>
    </message>
</context>
<context>
    <name>lw::NumberCommandDialog</name>
    <message>
        <source>/10秒</source>
        <translation>/10 s</translation>
    </message>
</context>
<context>
    <name>lw::NumberedFileList</name>
    <message>
        <source>追加...</source>
        <translation>Add...</translation>
    </message>
    <message>
        <source>編集...</source>
        <translation>Edit...</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>  (読み込めません・書き込みません)</source>
        <translation>  (cannot be read; will not be written)</translation>
    </message>
    <message>
        <source>削除はｷｬﾝｾﾙで取り消せません。
削除したﾌｧｲﾙはごみ箱に入ります。
削除しますか？</source>
        <translation>Deleting cannot be undone with Cancel.
The deleted file goes to the trash.
Delete it?</translation>
    </message>
    <message>
        <source>%1 をごみ箱に移せません。</source>
        <translation>%1 cannot be moved to the trash.</translation>
    </message>
</context>
<context>
    <name>lw::PcBelongingsDialog</name>
    <message>
        <source>所持品</source>
        <translation>Belongings</translation>
    </message>
    <message>
        <source>ｱｲﾃﾑ名</source>
        <translation>Item name</translation>
    </message>
    <message>
        <source>個数</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>次へ</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>所持品は%1種類までです</source>
        <translation>At most %1 kinds of belongings</translation>
    </message>
</context>
<context>
    <name>lw::PcEquipmentDialog</name>
    <message>
        <source>装備</source>
        <translation>Equipment</translation>
    </message>
    <message>
        <source>種別</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>ｱｲﾃﾑ名</source>
        <translation>Item name</translation>
    </message>
    <message>
        <source>次へ</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>装備したｱｲﾃﾑを所持品に加えると%1種類を超えます。
所持品を減らしてください</source>
        <translation>Adding the equipped items to the belongings would exceed %1 kinds.
Please remove some belongings</translation>
    </message>
</context>
<context>
    <name>lw::PlayerCharacterEditor</name>
    <message>
        <source>ﾌﾟﾚｰﾔｰｷｬﾗｸﾀｰ設定</source>
        <translation>Player character settings</translation>
    </message>
    <message>
        <source>次へ</source>
        <translation>Next</translation>
    </message>
</context>
<context>
    <name>lw::PlayerStartDialog</name>
    <message>
        <source>PC配置</source>
        <translation>PC placement</translation>
    </message>
    <message>
        <source>ビュー位置</source>
        <translation>View position</translation>
    </message>
    <message>
        <source>ビュー内位置</source>
        <translation>Position in the view</translation>
    </message>
</context>
<context>
    <name>lw::PositionCommandDialog</name>
    <message>
        <source>会話ｺﾏﾝﾄﾞ(顔画像位置)</source>
        <translation>Talk command (face image position)</translation>
    </message>
    <message>
        <source>会話ｺﾏﾝﾄﾞ(文字位置)</source>
        <translation>Talk command (text position)</translation>
    </message>
    <message>
        <source>参照画像</source>
        <translation>Reference image</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Position</translation>
    </message>
</context>
<context>
    <name>lw::PositionDialog</name>
    <message>
        <source>位置</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>PCの向き</source>
        <translation>PC facing</translation>
    </message>
    <message>
        <source>次へ</source>
        <translation>Next</translation>
    </message>
</context>
<context>
    <name>lw::PositionListDialog</name>
    <message>
        <source>追加...</source>
        <translation>Add...</translation>
    </message>
    <message>
        <source>場面変更は1つの場面に%1個までです。</source>
        <translation>A scene can hold at most %1 scene changes.</translation>
    </message>
    <message>
        <source>店・宿屋・立て札・定位置戦闘は合わせて1つの場面に%1個までです。これ以上追加できません。</source>
        <translation>A scene can hold at most %1 shops, inns, signposts and fixed battles together. No more can be added.</translation>
    </message>
</context>
<context>
    <name>lw::PreviewListDialog</name>
    <message>
        <source>追加...</source>
        <translation>Add...</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>Show</translation>
    </message>
</context>
<context>
    <name>lw::PropertyEditor</name>
    <message>
        <source>画像表示</source>
        <translation>Show image</translation>
    </message>
    <message>
        <source>MIDI・WAVE再生</source>
        <translation>Play MIDI/WAVE</translation>
    </message>
    <message>
        <source>項目</source>
        <translation>Fields</translation>
    </message>
    <message>
        <source>文字列</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>文章</source>
        <translation>Long text</translation>
    </message>
    <message>
        <source>数値</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>選択</source>
        <translation>Choice</translation>
    </message>
</context>
<context>
    <name>lw::SceneChangeCommandDialog</name>
    <message>
        <source>ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(場面変更)</source>
        <translation>Event command (scene change)</translation>
    </message>
    <message>
        <source>PC移動先場面</source>
        <translation>PC destination scene</translation>
    </message>
    <message>
        <source>PC移動先位置</source>
        <translation>PC destination position</translation>
    </message>
    <message>
        <source>PC移動先ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ</source>
        <translation>PC destination event commands</translation>
    </message>
    <message>
        <source>場面を選択してください</source>
        <translation>Please choose a scene</translation>
    </message>
</context>
<context>
    <name>lw::SceneListEditor</name>
    <message>
        <source>場面設定1</source>
        <translation>Scene settings 1</translation>
    </message>
</context>
<context>
    <name>lw::ScenePlacementDialog</name>
    <message>
        <source>場面</source>
        <translation>Scene</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>次へ</source>
        <translation>Next</translation>
    </message>
</context>
<context>
    <name>lw::SceneSettingsDialog</name>
    <message>
        <source>場面設定2</source>
        <translation>Scene settings 2</translation>
    </message>
    <message>
        <source>外</source>
        <translation>Outdoors</translation>
    </message>
    <message>
        <source>ダンジョン</source>
        <translation>Dungeon</translation>
    </message>
    <message>
        <source>街</source>
        <translation>Town</translation>
    </message>
    <message>
        <source>その他</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>場面種別</source>
        <translation>Scene kind</translation>
    </message>
    <message>
        <source>場面名</source>
        <translation>Scene name</translation>
    </message>
    <message>
        <source>ﾏｯﾌﾟ ﾌｧｲﾙ名</source>
        <translation>Map file name</translation>
    </message>
    <message>
        <source>背景ﾁｯﾌﾟｾｯﾄ名</source>
        <translation>Background chip set name</translation>
    </message>
    <message>
        <source>ﾚｲﾔｰﾁｯﾌﾟｾｯﾄ名</source>
        <translation>Layer chip set name</translation>
    </message>
    <message>
        <source>MIDI・WAVE再生</source>
        <translation>Play MIDI/WAVE</translation>
    </message>
    <message>
        <source>BGM</source>
        <translation>BGM</translation>
    </message>
    <message>
        <source>ﾚｲﾔｰﾁｯﾌﾟｾｯﾄ設定</source>
        <translation>Layer chip set settings</translation>
    </message>
    <message>
        <source>画像表示</source>
        <translation>Show image</translation>
    </message>
    <message>
        <source>空白を含むファイル名は使えません。
%1</source>
        <translation>File names containing spaces cannot be used.
%1</translation>
    </message>
    <message>
        <source>ﾏｯﾌﾟ編集...</source>
        <translation>Edit map...</translation>
    </message>
    <message>
        <source>ﾏｯﾌﾟ編集</source>
        <translation>Map editor</translation>
    </message>
</context>
<context>
    <name>lw::ShopGoodsDialog</name>
    <message>
        <source>店ﾘｽﾄ3</source>
        <translation>Shop list 3</translation>
    </message>
    <message>
        <source>ｱｲﾃﾑ</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>追加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>次へ</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>1つの店で売る品物は256個までです。</source>
        <translation>A shop can sell at most 256 goods.</translation>
    </message>
</context>
<context>
    <name>lw::ShopKindDialog</name>
    <message>
        <source>店ﾘｽﾄ2</source>
        <translation>Shop list 2</translation>
    </message>
    <message>
        <source>店の種類</source>
        <translation>Kind of shop</translation>
    </message>
    <message>
        <source>背景画像ﾌｧｲﾙ名（買う）</source>
        <translation>Background image file (buy)</translation>
    </message>
    <message>
        <source>背景画像ﾌｧｲﾙ名（売る）</source>
        <translation>Background image file (sell)</translation>
    </message>
    <message>
        <source>画像表示</source>
        <translation>Show image</translation>
    </message>
    <message>
        <source>次へ</source>
        <translation>Next</translation>
    </message>
</context>
<context>
    <name>lw::ShopListEditor</name>
    <message>
        <source>店ﾘｽﾄ1</source>
        <translation>Shop list 1</translation>
    </message>
</context>
<context>
    <name>lw::ShopPlacementDialog</name>
    <message>
        <source>店配置</source>
        <translation>Shop placement</translation>
    </message>
    <message>
        <source>方向</source>
        <translation>Direction</translation>
    </message>
</context>
<context>
    <name>lw::ShowEffectCommandDialog</name>
    <message>
        <source>ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(ｴﾌｪｸﾄ表示)</source>
        <translation>Event command (show effect)</translation>
    </message>
    <message>
        <source>ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(ﾅﾚｰｼｮﾝ表示)</source>
        <translation>Event command (show narration)</translation>
    </message>
    <message>
        <source>ｴﾌｪｸﾄ番号</source>
        <translation>Effect number</translation>
    </message>
    <message>
        <source>ﾅﾚｰｼｮﾝ番号</source>
        <translation>Narration number</translation>
    </message>
    <message>
        <source>画像表示</source>
        <translation>Show image</translation>
    </message>
    <message>
        <source>ｴﾌｪｸﾄ後のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ</source>
        <translation>Event commands after the effect</translation>
    </message>
    <message>
        <source>ﾅﾚｰｼｮﾝ後のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ</source>
        <translation>Event commands after the narration</translation>
    </message>
    <message>
        <source>ｴﾌｪｸﾄ番号を選択してください</source>
        <translation>Please choose an effect number</translation>
    </message>
    <message>
        <source>ﾅﾚｰｼｮﾝ番号を選択してください</source>
        <translation>Please choose a narration number</translation>
    </message>
</context>
<context>
    <name>lw::ShowHideDialog</name>
    <message>
        <source>ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(NPCの表示・非表示)</source>
        <translation>Event command (show/hide an NPC)</translation>
    </message>
    <message>
        <source>NPC番号</source>
        <translation>NPC number</translation>
    </message>
    <message>
        <source>宝箱番号</source>
        <translation>Treasure chest number</translation>
    </message>
    <message>
        <source>画像表示</source>
        <translation>Show image</translation>
    </message>
    <message>
        <source>表示状態</source>
        <translation>Display state</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>非表示</source>
        <translation>Hidden</translation>
    </message>
    <message>
        <source>NPC番号を選択してください</source>
        <translation>Please choose an NPC number</translation>
    </message>
    <message>
        <source>宝箱番号を選択してください</source>
        <translation>Please choose a treasure chest number</translation>
    </message>
</context>
<context>
    <name>lw::ShowTalkCommandDialog</name>
    <message>
        <source>ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(会話表示)</source>
        <translation>Event command (show talk)</translation>
    </message>
    <message>
        <source>会話内容のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ</source>
        <translation>Event commands of the talk content</translation>
    </message>
</context>
<context>
    <name>lw::TalkContentCommandDialog</name>
    <message>
        <source>ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(会話内容の設定)</source>
        <translation>Event command (set talk content)</translation>
    </message>
    <message>
        <source>会話文</source>
        <translation>Talk text</translation>
    </message>
    <message>
        <source>所持金表示</source>
        <translation>Show money</translation>
    </message>
    <message>
        <source>あり</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>選択肢 %1</source>
        <translation>Choice %1</translation>
    </message>
    <message>
        <source>文</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>無効</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ</source>
        <translation>Event commands</translation>
    </message>
    <message>
        <source>会話文を選択してください</source>
        <translation>Please choose a talk text</translation>
    </message>
    <message>
        <source>選択肢 %1 の文に空白は使えません</source>
        <translation>The text of choice %1 cannot contain spaces</translation>
    </message>
    <message>
        <source>選択肢の文</source>
        <translation>Choice texts</translation>
    </message>
</context>
<context>
    <name>lw::TalkListEditor</name>
    <message>
        <source>文章 ﾘｽﾄ</source>
        <translation>Text list</translation>
    </message>
    <message>
        <source>ﾘｽﾄ</source>
        <translation>List</translation>
    </message>
    <message>
        <source>更新</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>文章内容</source>
        <translation>Text content</translation>
    </message>
    <message>
        <source>ｺﾏﾝﾄﾞ</source>
        <translation>Commands</translation>
    </message>
    <message>
        <source>文章に保存できない文字が含まれています</source>
        <translation>The text has characters that cannot be saved</translation>
    </message>
    <message>
        <source>この文章はﾌｧｲﾙの区切りと同じため保存できません</source>
        <translation>This text cannot be saved because it reads as a section mark of the file</translation>
    </message>
    <message>
        <source>文章が%1ﾊﾞｲﾄを超えています（%2ﾊﾞｲﾄ）。
超えた部分を切り捨てますか？</source>
        <translation>The text is longer than %1 bytes (%2 bytes).
Cut off the part beyond the limit?</translation>
    </message>
    <message>
        <source>%1 / %2ﾊﾞｲﾄ（超えた部分は保存されません）</source>
        <translation>%1 / %2 bytes (the part beyond is not saved)</translation>
    </message>
    <message>
        <source>%1 / %2ﾊﾞｲﾄ</source>
        <translation>%1 / %2 bytes</translation>
    </message>
</context>
<context>
    <name>lw::TerrainAnimationDialog</name>
    <message>
        <source>背景ｱﾆﾒ設定２</source>
        <translation>Background animation settings 2</translation>
    </message>
    <message>
        <source>ﾏｯﾌﾟｱﾆﾒ</source>
        <translation>Map animation</translation>
    </message>
    <message>
        <source>背景ｱﾆﾒ</source>
        <translation>Background animation</translation>
    </message>
    <message>
        <source>ﾁｯﾌﾟ</source>
        <translation>Chip</translation>
    </message>
    <message>
        <source>更新</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>消去</source>
        <translation>Clear</translation>
    </message>
</context>
<context>
    <name>lw::TerrainBattleDialog</name>
    <message>
        <source>ﾌｨｰﾙﾄﾞ戦闘3</source>
        <translation>Field battle 3</translation>
    </message>
    <message>
        <source>更新</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>消去</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>ﾌｨｰﾙﾄﾞ戦闘</source>
        <translation>Field battles</translation>
    </message>
</context>
<context>
    <name>lw::TitleScreenEditor</name>
    <message>
        <source>ﾀｲﾄﾙ画面</source>
        <translation>Title screen</translation>
    </message>
    <message>
        <source>画像表示</source>
        <translation>Show image</translation>
    </message>
    <message>
        <source>BGM再生</source>
        <translation>Play BGM</translation>
    </message>
    <message>
        <source>背景画像</source>
        <translation>Background image</translation>
    </message>
    <message>
        <source>ﾒﾆｭｰ項目</source>
        <translation>Menu entries</translation>
    </message>
    <message>
        <source>無効</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>ﾒﾆｭｰ表示</source>
        <translation>Menu display</translation>
    </message>
    <message>
        <source>「%1」の名前に空白は使えません</source>
        <translation>The name of &quot;%1&quot; cannot contain spaces</translation>
    </message>
    <message>
        <source>ｻｲｽﾞ</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>高さ間隔</source>
        <translation>Line spacing</translation>
    </message>
</context>
<context>
    <name>lw::TreasureChestDialog</name>
    <message>
        <source>宝箱ﾘｽﾄ2</source>
        <translation>Treasure chest list 2</translation>
    </message>
    <message>
        <source>ｱﾆﾒ</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>効果音</source>
        <translation>Sound effect</translation>
    </message>
    <message>
        <source>再生</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>ｱﾆﾒの種類</source>
        <translation>Kind of animation</translation>
    </message>
    <message>
        <source>ｱﾆﾒ無し</source>
        <translation>No animation</translation>
    </message>
    <message>
        <source>宝箱</source>
        <translation>Treasure chests</translation>
    </message>
    <message>
        <source>繰り返し</source>
        <translation>Repeating</translation>
    </message>
    <message>
        <source>表示状態</source>
        <translation>Display state</translation>
    </message>
    <message>
        <source>非表示</source>
        <translation>Hidden</translation>
    </message>
    <message>
        <source>ｲﾍﾞﾝﾄ実行回数</source>
        <translation>Times the event runs</translation>
    </message>
    <message>
        <source>1回</source>
        <translation>Once</translation>
    </message>
    <message>
        <source>複数回</source>
        <translation>Several times</translation>
    </message>
    <message>
        <source>ｲﾍﾞﾝﾄ実行済み</source>
        <translation>Event already run</translation>
    </message>
    <message>
        <source>済み</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>まだ</source>
        <translation>Not yet</translation>
    </message>
    <message>
        <source>次へ</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>ｱﾆﾒを選択してください</source>
        <translation>Please choose an animation</translation>
    </message>
    <message>
        <source>この場面には宝箱をこれ以上置けません（1つの場面に256個まで）。</source>
        <translation>No more treasure chests can be placed in this scene (at most 256 per scene).</translation>
    </message>
</context>
<context>
    <name>lw::TreasureListEditor</name>
    <message>
        <source>宝箱ﾘｽﾄ1</source>
        <translation>Treasure chest list 1</translation>
    </message>
</context>
<context>
    <name>lw::UsagesDialog</name>
    <message>
        <source>使用箇所 - %1</source>
        <translation>Usages - %1</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ</source>
        <translation>File</translation>
    </message>
    <message>
        <source>場所</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>項目</source>
        <translation>Entry</translation>
    </message>
    <message>
        <source>使用箇所の一覧</source>
        <translation>List of usages</translation>
    </message>
    <message>
        <source>どこからも使われていません。</source>
        <translation>Not used anywhere.</translation>
    </message>
    <message>
        <source>%1 か所で使われています。</source>
        <translation>Used in %1 places.</translation>
    </message>
    <message>
        <source>使用箇所の数</source>
        <translation>Number of usages</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
</context>
</TS>
